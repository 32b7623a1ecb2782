#pragma once
// The values of one record as a JSON object (column -> value), for the audit
// trail's before and after. Texts are kept as UTF-8; a byte that is not part
// of valid UTF-8 is read as Latin-1, the way the archive reads such texts, so
// the result is always valid JSON whatever a field held.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/DbValue.h"

namespace kv7::audit {

// Column name = value, in the record's order.
using Fields = std::vector<std::pair<std::string, store::DbValue>>;

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);
// NULL as null, numbers as numbers (a float that is not finite as null),
// texts and date-times ("YYYY-MM-DD HH:MM:SS") as strings.
std::string JsonValue(const store::DbValue& value);
// {"column":value,...} in the given order.
std::string JsonObject(const Fields& fields);
// Every column of a row read from the archive.
Fields FieldsOf(const store::DbRow& row);

}  // namespace kv7::audit
