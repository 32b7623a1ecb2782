#pragma once
// Decoding of JPEG pictures (the customer logo) with libjpeg.

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

namespace kv7::ui {

// Decodes a complete JPEG stream. Returns a null image, and the library's
// text in *error when given, for anything that is not a whole, readable
// picture: a damaged or truncated stream never ends the program.
QImage DecodeJpeg(const std::uint8_t* data, std::size_t size, std::string* error = nullptr);

// Reads the file and decodes it as above; a missing or unreadable file gives
// a null image as well.
QImage DecodeJpegFile(const QString& path, std::string* error = nullptr);

}  // namespace kv7::ui
