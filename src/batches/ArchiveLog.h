#pragma once
// What the archive writes to the event log (kv2.log) so that nothing an
// operator types or deletes is lost without a trace: the full text of a
// value cut to its column's width, and a deleted row whole. Each entry is
// one or more lines short enough for the log's line limit; every line ends
// with "\r\n". Log texts are never translated.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kv7::batches {

// Where entries go (the event log's WriteLog on the machine side).
using LogSink = std::function<void(const std::string&)>;

// Text of a log line at most; the log adds its 22-character stamp.
inline constexpr std::size_t kLogTextWidth = 200;

// "<what>: col=value; col=value ..." split into lines of at most
// kLogTextWidth characters; a line after the first starts with "<what> (+): ".
std::vector<std::string> LogLines(const std::string& what,
                                  const std::vector<std::pair<std::string, std::string>>& fields);

void WriteLog(const LogSink& log, const std::vector<std::string>& lines);

}  // namespace kv7::batches
