// JPEG through libjpeg, with an error manager of our own: a broken file raises
// EInvalidGraphic and never ends the process.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

// The size of a JPEG from its header; raises EInvalidGraphic when the data is no JPEG.
QSize ReadJpegSize(const QByteArray& data, const std::string& name);
// Decodes a JPEG into an RGB32 image; raises EInvalidGraphic on broken data.
QImage DecodeJpeg(const QByteArray& data, const std::string& name);
// Encodes an image as a baseline JPEG without chroma subsampling, so that text stays sharp.
QByteArray EncodeJpeg(const QImage& image, int quality);
