#pragma once
// What the data pages share: texts in the request's language, numbers and
// dates in its conventions, HTML escaping, CSV lines, query parameters.

#include <QtGlobal>

#include <optional>
#include <string>
#include <vector>

#include "store/DbValue.h"
#include "web/PageLanguage.h"
#include "web/WebTypes.h"

namespace kv7::web {

// A data page: `title` (plain text) as the page's title and heading.
std::string TitledPage(const std::string& title, const std::string& bodyHtml, const std::string& language);

// `pattern` with %1, %2 ... replaced by `args` in order.
std::string Args(const std::string& pattern, const std::vector<std::string>& args);

// Text for HTML content and attribute values.
std::string Html(const std::string& text);

// A figure with grouping and `decimals` decimals in `language`'s format.
std::string Number(const std::string& language, double value, int decimals);
// A date, and a date with its time, in `language`'s short format.
std::string DateText(const std::string& language, const store::DbDateTime& when);
std::string DateTimeText(const std::string& language, const store::DbDateTime& when);

// One CSV record (RFC 4180): cells with a comma, a quote or a line end
// quoted with their quotes doubled, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& cells);

// A query parameter, empty when absent.
std::string Param(const Request& request, const std::string& name);
// A whole number parameter; nullopt when absent or not a number.
std::optional<long long> IntParam(const Request& request, const std::string& name);
// A day ("YYYY-MM-DD") at its first or its last second; nullopt when absent.
// *bad is set when the parameter is present but not a date.
std::optional<store::DbDateTime> DayParam(const Request& request, const std::string& name, bool lastSecond,
                                          bool* bad);

// "name=value&..." of the given parameters, percent-encoded, for links.
std::string QueryString(const std::vector<std::pair<std::string, std::string>>& params);

// A page saying what is wrong with the request or the archive.
Response ErrorPage(const Request& request, int status, const std::string& message);
// A file to download under `fileName`.
Response Download(std::string contentType, const std::string& fileName, std::string body);

}  // namespace kv7::web
