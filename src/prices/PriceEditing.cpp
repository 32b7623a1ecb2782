#include "prices/PriceEditing.h"

namespace kv7::prices {

const PriceList* ListToShow(const PriceListInput& in) {
  const PriceList* shown = nullptr;
  for (const PriceList& l : in.lists) {
    if (DayText(l.validFrom) <= DayText(in.today) || !shown) shown = &l;
    if (DayText(l.validFrom) > DayText(in.today)) break;
  }
  return shown;
}

}  // namespace kv7::prices
