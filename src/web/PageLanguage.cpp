#include "web/PageLanguage.h"

#include <QTranslator>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "i18n/LanguageModules.h"

namespace kv7::web {
namespace {

// A page language's module is the console's language at the same place.
static_assert(kPageLanguages.size() == i18n::kLanguages.size());

std::array<std::unique_ptr<QTranslator>, kPageLanguages.size()>& Modules() {
  static std::array<std::unique_ptr<QTranslator>, kPageLanguages.size()> modules;
  return modules;
}

std::size_t IndexOf(std::string_view code) {
  for (std::size_t i = 0; i < kPageLanguages.size(); ++i)
    if (kPageLanguages[i].code == code) return i;
  return 0;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

bool IsPageLanguage(std::string_view code) {
  return std::any_of(kPageLanguages.begin(), kPageLanguages.end(),
                     [&](const PageLanguage& l) { return l.code == code; });
}

std::string ChooseLanguage(const std::string& cookie, const std::string& acceptLanguage) {
  if (IsPageLanguage(cookie)) return cookie;
  // "de-CH,de;q=0.9,en;q=0.8": the highest weight wins, ties in order.
  std::string best = "it";
  double bestWeight = 0;
  std::istringstream items(acceptLanguage);
  for (std::string item; std::getline(items, item, ',');) {
    const auto semicolon = item.find(';');
    std::string tag = Lower(item.substr(0, semicolon));
    tag.erase(std::remove(tag.begin(), tag.end(), ' '), tag.end());
    tag = tag.substr(0, tag.find('-'));
    double weight = 1;
    const auto q = item.find("q=", semicolon == std::string::npos ? item.size() : semicolon);
    if (q != std::string::npos) weight = std::strtod(item.c_str() + q + 2, nullptr);
    if (IsPageLanguage(tag) && weight > bestWeight) {
      best = tag;
      bestWeight = weight;
    }
  }
  return best;
}

int LoadPageModules() {
  int found = 0;
  for (std::size_t i = 0; i < kPageLanguages.size(); ++i) {
    const QString path = i18n::ModulePath(i18n::kLanguages[i]);
    auto module = std::make_unique<QTranslator>();
    if (!path.isEmpty() && module->load(path)) {
      Modules()[i] = std::move(module);
      ++found;
    }
  }
  return found;
}

std::string Tr(const std::string& language, const char* source) {
  const auto& module = Modules()[IndexOf(language)];
  if (module) {
    const QString text = module->translate("kv7::web", source);
    if (!text.isEmpty()) return text.toStdString();
  }
  return source;
}

}  // namespace kv7::web
