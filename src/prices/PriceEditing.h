#pragma once
// What the price list window is filled from and what it hands back: the
// program's class grid (names and ranges beside the prices) and the lists
// the program already has, so the window can switch between them without
// asking the machine side.

#include <array>
#include <string>
#include <vector>

#include "prices/PriceList.h"

namespace kv7::prices {

struct PriceListInput {
  std::string programCode;  // "07"
  std::string description;
  std::array<std::array<std::string, kClasses>, kQualities> names{};   // [q - 1][c - 1]
  std::array<std::array<std::string, kClasses>, kQualities> ranges{};  // "0090-0110"
  std::vector<PriceList> lists;  // earliest first
  store::DbDateTime today;
};

// The list the window opens on: the one in force today, else the earliest
// one to come; nullptr when the program has none.
const PriceList* ListToShow(const PriceListInput& in);

}  // namespace kv7::prices
