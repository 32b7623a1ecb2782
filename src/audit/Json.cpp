#include "audit/Json.h"

#include <cmath>
#include <cstdio>

namespace kv7::audit {
namespace {

// Length of the valid UTF-8 sequence at text[i]; 0 when the byte does not
// start one (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b = byte(i);
  std::size_t n = 0;
  char32_t cp = 0;
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) n = 2, cp = b & 0x1F;
  else if (b >= 0xE0 && b <= 0xEF) n = 3, cp = b & 0x0F;
  else if (b >= 0xF0 && b <= 0xF4) n = 4, cp = b & 0x07;
  else return 0;
  if (i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
    return 0;
  return n;
}

void AppendEscaped(std::string& out, unsigned char c) {
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  if (c < 0x20 || c == 0x7F) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\u%04x", c);
    out += hex;
  } else {
    out += static_cast<char>(c);
  }
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8Length(text, i);
    if (n == 1) {
      AppendEscaped(out, static_cast<unsigned char>(text[i]));
    } else if (n > 1) {
      out.append(text.substr(i, n));
    } else {  // Latin-1 byte: the same code point in UTF-8
      const auto b = static_cast<unsigned char>(text[i]);
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
    i += n ? n : 1;
  }
  return out + "\"";
}

std::string JsonValue(const store::DbValue& value) {
  if (store::IsNull(value)) return "null";
  if (const auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value)) {
    if (!std::isfinite(*d)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", *d);
    return text;
  }
  return JsonString(store::ToText(value));
}

std::string JsonObject(const Fields& fields) {
  std::string out = "{";
  for (const auto& [name, value] : fields) {
    if (out.size() > 1) out += ',';
    out += JsonString(name) + ':' + JsonValue(value);
  }
  return out + "}";
}

Fields FieldsOf(const store::DbRow& row) {
  Fields fields;
  fields.reserve(row.Size());
  for (std::size_t i = 0; i < row.Size(); ++i) fields.emplace_back(row.Columns()[i], row[i]);
  return fields;
}

}  // namespace kv7::audit
