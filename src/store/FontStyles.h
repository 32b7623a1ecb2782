#pragma once
// The style text of the report font (`prn_font_set`, "font_set" of the print
// settings file): one writer and one reader for every place that keeps it.

#include <string>

namespace kv7::store {

struct FontStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const FontStyles&) const = default;
};

// "fsBold" (or nothing), then ",fsItalic", ",fsUnderline", ",fsStrikeout"
// for each style present, then ".": italic alone is ",fsItalic.".
std::string StyleText(const FontStyles& styles);

// "fsBold" counts only as the first element and "fsItalic" only as the
// second, where the writer puts them; "fsUnderline" and "fsStrikeout" count
// in any later place, so whatever StyleText wrote reads back whole.
FontStyles ParseStyleText(const std::string& text);

}  // namespace kv7::store
