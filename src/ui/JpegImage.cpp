#include "ui/JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <new>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace kv7::ui {
namespace {

// Larger pictures are refused rather than allocated: a logo is small, and a
// damaged header can claim any size.
constexpr std::size_t kMaxPixels = std::size_t{64} * 1024 * 1024;

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder, which then gives up on the picture.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  bool truncated;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings are not printed; a stream that ends early would decode to a grey
// tail, so that one counts as a failure.
void OnMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level < 0) {
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) {
      err->truncated = true;
      (*cinfo->err->format_message)(cinfo, err->message);
    }
    cinfo->err->num_warnings++;
  }
}

// What the decoder hands back; lives in the caller's frame so nothing the
// long jump skips over owns memory.
struct Decoded {
  int width = 0;
  int height = 0;
  int components = 0;
  bool cmyk = false;
  bool adobeInverted = false;
  std::vector<std::uint8_t> pixels;
};

// Only trivially destructible locals here: the error handler jumps back into
// this frame. Returns false with the library's message on failure.
bool Decode(const std::uint8_t* data, std::size_t size, Decoded& out, ErrorManager& err,
            jpeg_decompress_struct& cinfo) {
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.truncated = false;
  err.message[0] = '\0';
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.jpeg_color_space == JCS_GRAYSCALE) {
    cinfo.out_color_space = JCS_GRAYSCALE;
  } else if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
    cinfo.out_color_space = JCS_CMYK;
    out.cmyk = true;
    out.adobeInverted = cinfo.saw_Adobe_marker;
  } else {
    cinfo.out_color_space = JCS_RGB;
  }
  jpeg_start_decompress(&cinfo);
  const std::size_t pixelCount = std::size_t{cinfo.output_width} * cinfo.output_height;
  if (cinfo.output_width == 0 || cinfo.output_height == 0 || pixelCount > kMaxPixels) {
    std::snprintf(err.message, sizeof err.message, "picture size %ux%u refused", cinfo.output_width,
                  cinfo.output_height);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  out.components = cinfo.output_components;
  const std::size_t stride = std::size_t{cinfo.output_width} * cinfo.output_components;
  out.pixels.resize(stride * cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.pixels.data() + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return !err.truncated;
}

QImage ToImage(const Decoded& d) {
  if (d.components == 1) {
    QImage img(d.width, d.height, QImage::Format_Grayscale8);
    for (int y = 0; y < d.height; ++y) {
      std::copy_n(d.pixels.data() + std::size_t(y) * d.width, d.width, img.scanLine(y));
    }
    return img;
  }
  QImage img(d.width, d.height, QImage::Format_RGB888);
  for (int y = 0; y < d.height; ++y) {
    const std::uint8_t* src = d.pixels.data() + std::size_t(y) * d.width * d.components;
    std::uint8_t* dst = img.scanLine(y);
    for (int x = 0; x < d.width; ++x, src += d.components, dst += 3) {
      if (!d.cmyk) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        continue;
      }
      // Pictures from the usual desktop tools store CMYK inverted.
      const int c = d.adobeInverted ? src[0] : 255 - src[0];
      const int m = d.adobeInverted ? src[1] : 255 - src[1];
      const int yy = d.adobeInverted ? src[2] : 255 - src[2];
      const int k = d.adobeInverted ? src[3] : 255 - src[3];
      dst[0] = static_cast<std::uint8_t>(c * k / 255);
      dst[1] = static_cast<std::uint8_t>(m * k / 255);
      dst[2] = static_cast<std::uint8_t>(yy * k / 255);
    }
  }
  return img;
}

}  // namespace

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size, std::string* error) {
  if (data == nullptr || size == 0) {
    if (error) *error = "empty picture";
    return {};
  }
  Decoded decoded;
  ErrorManager err{};
  jpeg_decompress_struct cinfo{};
  bool ok = false;
  try {
    ok = Decode(data, size, decoded, err, cinfo);
  } catch (const std::bad_alloc&) {
    jpeg_destroy_decompress(&cinfo);
    std::snprintf(err.message, sizeof err.message, "out of memory");
  }
  if (!ok) {
    if (error) *error = err.message;
    return {};
  }
  if (error) error->clear();
  return ToImage(decoded);
}

QImage DecodeJpegFile(const QString& path, std::string* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString().toStdString();
    return {};
  }
  const QByteArray bytes = file.readAll();
  return DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    static_cast<std::size_t>(bytes.size()), error);
}

}  // namespace kv7::ui
