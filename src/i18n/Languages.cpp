#include "i18n/Languages.h"

namespace kv7::i18n {
namespace {

template <typename Match>
const Language* Find(Match match) {
  for (const Language& l : kLanguages)
    if (match(l)) return &l;
  return nullptr;
}

}  // namespace

const Language* LanguageByCode(std::string_view code) {
  return Find([&](const Language& l) { return l.code == code; });
}

const Language* LanguageByEntry(std::string_view entry) {
  return Find([&](const Language& l) { return l.entry == entry; });
}

const Language* LanguageByLocaleId(int localeId) {
  return Find([&](const Language& l) { return l.localeId == localeId; });
}

}  // namespace kv7::i18n
