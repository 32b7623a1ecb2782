#include "live/LiveJson.h"

#include <cmath>
#include <initializer_list>

#include "audit/Json.h"

namespace kv7::live {
namespace {

std::string Number(std::int64_t n) { return std::to_string(n); }

template <typename T>
std::string NumberOrNull(const std::optional<T>& n) {
  return n ? std::to_string(*n) : "null";
}

std::string Field(const char* name, const std::string& json) {
  std::string out = audit::JsonString(name);
  out += ':';
  out += json;
  return out;
}

// Objects are appended piece by piece: GCC 12 misreads long chains of +
// (-Wrestrict).
std::string Object(std::initializer_list<std::string> fields) {
  std::string out = "{";
  for (const std::string& f : fields) {
    if (out.size() > 1) out += ',';
    out += f;
  }
  out += '}';
  return out;
}

std::string ClassJson(const LiveClass& c) {
  return Object({Field("name", audit::JsonString(c.name)), Field("from", Number(c.from)), Field("to", Number(c.to))});
}

std::string TotalsJson(const std::array<std::int64_t, kQualities>& grams) {
  std::string out = "[";
  for (std::size_t q = 0; q < grams.size(); ++q) {
    if (q > 0) out += ',';
    out += Number(grams[q]);
  }
  return out + "]";
}

template <typename T, typename F>
std::string ArrayJson(const std::vector<T>& items, F each) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    out += each(items[i]);
  }
  return out + "]";
}

std::string MachineJson(const LiveRow& r) {
  const auto ageMs = static_cast<std::int64_t>(std::llround(r.ageSeconds * 1000));
  const bool answering = r.ageSeconds <= kStaleAfterSeconds;
  std::string out = "{";
  out += Field("machine", Number(r.machine)) + ",";
  out += Field("updated", audit::JsonString(r.updated)) + ",";
  out += Field("ageMs", Number(ageMs)) + ",";
  out += Field("answering", answering ? "true" : "false") + ",";
  out += Field("state", audit::JsonString(r.state)) + ",";
  out += Field("program", audit::JsonString(r.program)) + ",";
  out += Field("programName", audit::JsonString(r.programName)) + ",";
  out += Field("batch", audit::JsonString(r.batch)) + ",";
  out += Field("producer", audit::JsonString(r.producer)) + ",";
  out += Field("cupsPerMinute", NumberOrNull(r.cupsPerMinute)) + ",";
  out += Field("productionKgPerHour", NumberOrNull(r.productionKgPerHour)) + ",";
  out += Field("waiting", Number(r.waitingBatches)) + ",";
  // The reader passes on only text the server found valid JSON.
  out += Field("data", r.data.empty() ? "null" : r.data);
  return out + "}";
}

}  // namespace

std::string DataJson(const LiveRow& row) {
  return Object({Field("classes", ArrayJson(row.classes, ClassJson)), Field("totals", ArrayJson(row.totals, TotalsJson)),
                 Field("reject", Number(row.reject))});
}

std::string ToJson(const std::vector<LiveRow>& rows) { return ArrayJson(rows, MachineJson); }

}  // namespace kv7::live
