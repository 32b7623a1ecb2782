#include "batches/ReaderText.h"

#include <cstdint>
#include <vector>

namespace kv7::batches {
namespace {

// The code points of a valid UTF-8 text (shortest forms only, no
// surrogates, at most U+10FFFF); false at the first invalid sequence.
bool DecodeUtf8(std::string_view s, std::vector<char32_t>& out) {
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    char32_t cp = 0, min = 0;
    if (lead < 0x80) {
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;  // cut short
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    out.push_back(cp);
    i += extra + 1;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::vector<char32_t> CodePoints(std::string_view bytes) {
  std::vector<char32_t> cps;
  if (DecodeUtf8(bytes, cps)) return cps;
  cps.clear();
  for (char b : bytes) cps.push_back(static_cast<unsigned char>(b));
  return cps;
}

bool IsControl(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

}  // namespace

std::string Utf8OrLatin1(std::string_view bytes) {
  std::string out;
  for (char32_t cp : CodePoints(bytes)) AppendUtf8(out, cp);
  return out;
}

std::string CleanBarcode(std::string_view line) {
  std::string out;
  for (char32_t cp : CodePoints(line))
    if (!IsControl(cp)) AppendUtf8(out, cp);
  return out;
}

}  // namespace kv7::batches
