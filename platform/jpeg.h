// JPEG through libjpeg, with an error manager of our own: a broken file raises
// EInvalidGraphic and never ends the process.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

// The largest picture the program takes: more than any screen shows (8K is 33 megapixels),
// and a magnifier window still fits the window system's sizes. A larger one is refused as an
// invalid picture before any memory is taken for its pixels.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 40'000'000;
// Raises EInvalidGraphic, naming the file `name`, for a picture beyond those sizes.
void CheckPictureSize(QSize size, const std::string& name);

// The size of a JPEG from its header; raises EInvalidGraphic when the data is no JPEG.
QSize ReadJpegSize(const QByteArray& data, const std::string& name);
// Decodes a JPEG into an RGB32 image; raises EInvalidGraphic on broken data, on a picture
// beyond the sizes above and when its pixels cannot be allocated.
QImage DecodeJpeg(const QByteArray& data, const std::string& name);
// Encodes an image as a baseline JPEG without chroma subsampling, so that text stays sharp.
QByteArray EncodeJpeg(const QImage& image, int quality);
