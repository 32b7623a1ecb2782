#pragma once
// The live rows as JSON: the `dati` column a console writes, and the list of
// machines the office view pushes to its browsers.

#include <string>
#include <vector>

#include "live/LiveRow.h"

namespace kv7::live {

// {"classes":[{"name":..,"from":..,"to":..}],"totals":[[q1,q2,q3,q4],...],"reject":grams}
std::string DataJson(const LiveRow& row);

// [{"machine":1,"updated":"...","ageMs":..,"answering":true,"state":..,"program":..,
//   "programName":..,"batch":..,"producer":..,"cupsPerMinute":..|null,
//   "productionKgPerHour":..|null,"waiting":..,"data":{...}|null},...]
// `data` is the stored JSON as read back.
std::string ToJson(const std::vector<LiveRow>& rows);

}  // namespace kv7::live
