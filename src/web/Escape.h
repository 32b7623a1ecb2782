#pragma once
// Texts from the archive or the request made safe for the page they go into.

#include <string>
#include <string_view>

namespace kv7::web {

// For HTML text and attribute values in double quotes.
std::string HtmlEscape(std::string_view text);
// A JSON string literal, quotes included; control characters escaped, so
// the result never holds a line break (Server-Sent Events are line based).
std::string JsonString(std::string_view text);

}  // namespace kv7::web
