#include "platform/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "platform/sysutils.h"

namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (a truncated file, for one) do not stop decoding in libjpeg; a picture with missing
// data must still not pass as good, so a corrupt-data warning is an error here too.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
  }
}

[[noreturn]] void Raise(const std::string& name, const char* reason) {
  throw EInvalidGraphic("JPEG error in \"" + name + "\": " + reason);
}

// Runs the decompressor on `data`. No object with a destructor lives between setjmp and the
// longjmp, so unwinding by longjmp is safe; the C++ exception is thrown after it.
bool Decompress(const QByteArray& data, bool pixels, QImage* out, QSize* size, char* message) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.message[0] = '\0';
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  *size = QSize(static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height));
  if (pixels) {
    cinfo.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
      JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
      jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
  }
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

QSize ReadJpegSize(const QByteArray& data, const std::string& name) {
  QSize size;
  char message[JMSG_LENGTH_MAX];
  if (!Decompress(data, false, nullptr, &size, message)) Raise(name, message);
  return size;
}

void CheckPictureSize(QSize size, const std::string& name) {
  if (size.isEmpty()) {
    throw EInvalidGraphic("Invalid picture size in \"" + name + "\"");
  }
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
      qint64{size.width()} * size.height() > kMaxPicturePixels) {
    throw EInvalidGraphic("The picture \"" + name +
                          "\" is too large: " + std::to_string(size.width()) + " x " +
                          std::to_string(size.height()) + " pixels");
  }
}

QImage DecodeJpeg(const QByteArray& data, const std::string& name) {
  QSize size = ReadJpegSize(data, name);
  CheckPictureSize(size, name);
  // Without memory for the pixels the image is null, and libjpeg must not write into it.
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) {
    throw EInvalidGraphic("Not enough memory for the picture \"" + name +
                          "\": " + std::to_string(size.width()) + " x " +
                          std::to_string(size.height()) + " pixels");
  }
  char message[JMSG_LENGTH_MAX];
  if (!Decompress(data, true, &image, &size, message)) Raise(name, message);
  return image;
}

QByteArray EncodeJpeg(const QImage& source, int quality) {
  QImage image = source.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct cinfo;
  ErrorManager err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    throw EInvalidGraphic(std::string("JPEG encoding failed: ") + err.message);
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &buffer, &length);
  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<uchar*>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(length));
  std::free(buffer);
  return out;
}
