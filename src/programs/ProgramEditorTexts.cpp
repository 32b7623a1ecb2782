#include "programs/ProgramEditorTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "programs/ProgramCodes.h"

namespace kv7::programs {
namespace {

constexpr int kMaxStored = 999;

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') + 1 - first);
}

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Whole grams of a text, nullopt when it is not a whole number (or too long
// to be a weight).
std::optional<long long> Whole(const std::string& text) {
  std::string t = Trimmed(text);
  if (!AllDigits(t) || t.size() > 12) return std::nullopt;
  return std::stoll(t);
}

// Kilograms written with a decimal point ("1.5", ".25", "2."), as grams.
std::optional<long long> KilogramsAsGrams(const std::string& text) {
  std::string t = Trimmed(text);
  const auto dot = t.find('.');
  if (dot == std::string::npos || t.size() > 12) return std::nullopt;
  std::string whole = t.substr(0, dot), part = t.substr(dot + 1);
  if ((whole.empty() && part.empty()) || (!whole.empty() && !AllDigits(whole)) ||
      (!part.empty() && !AllDigits(part)))
    return std::nullopt;
  return std::llround(std::strtod(t.c_str(), nullptr) * 1000.0);
}

std::string ShownLimit(const std::string& stored, int multiplier) {
  if (multiplier <= 1) return stored;
  auto v = Whole(stored);
  return v ? std::to_string(*v * multiplier) : stored;
}

std::string BlanksToZero(std::string s) {
  std::replace(s.begin(), s.end(), ' ', '0');
  return s;
}

}  // namespace

int WeightWidth(int multiplier) {
  if (multiplier <= 1) return 3;
  return std::max(3,
                  static_cast<int>(std::to_string(kMaxStored * static_cast<long long>(multiplier)).size()));
}

std::string WeightField::Name() const {
  return std::string(isMax ? "PesoCalMax" : "PesoCalMin") + std::to_string(klass) + "Q" +
         std::to_string(quality);
}

ProgramEditorTexts ShowProgram(const store::ProgramRecord& r, int multiplier) {
  ProgramEditorTexts t;
  t.code = r.code;
  t.description = r.description;
  t.rejectCode = r.rejectCode;
  for (std::size_t q = 0; q < kQualities; ++q) {
    t.name[q] = r.name[q];
    t.classCode[q] = r.classCode[q];
    for (std::size_t c = 0; c < kClasses; ++c) {
      t.minWeight[q][c] = ShownLimit(r.limit[q][c], multiplier);
      t.maxWeight[q][c] = ShownLimit(r.limit[q][c + 1], multiplier);
    }
  }
  return t;
}

ProgramEditorTexts ClearedForNewProgram(const ProgramEditorTexts& last, const std::string& code) {
  ProgramEditorTexts t;
  t.code = code;
  t.classCode = last.classCode;
  t.rejectCode = last.rejectCode;
  return t;
}

std::optional<int> StoredLimit(const std::string& shown, int multiplier) {
  std::optional<long long> v;
  if (multiplier > 1) {
    if (auto grams = shown.find('.') != std::string::npos ? KilogramsAsGrams(shown) : Whole(shown))
      v = *grams / multiplier;
  } else {
    v = Whole(shown);
  }
  if (!v) return std::nullopt;
  return static_cast<int>(std::min<long long>(*v, kMaxStored));
}

EditorReading ReadEditor(const ProgramEditorTexts& t, int multiplier) {
  store::ProgramRecord r;
  r.code = t.code;
  r.description = t.description;
  r.rejectCode = t.rejectCode;
  for (int q = 1; q <= kQualities; ++q) {
    const auto qi = static_cast<std::size_t>(q - 1);
    r.name[qi] = t.name[qi];
    r.classCode[qi] = t.classCode[qi];
    for (int k = 1; k <= kLimits; ++k) {
      // Limits 1..15 are the class minimums, limit 16 the last maximum.
      WeightField f{q, std::min(k, kClasses), k == kLimits};
      const auto& text =
          f.isMax ? t.maxWeight[qi][kClasses - 1] : t.minWeight[qi][static_cast<std::size_t>(k - 1)];
      auto v = StoredLimit(text, multiplier);
      if (!v) return EditorReading{std::nullopt, f};
      r.limit[qi][static_cast<std::size_t>(k - 1)] = std::to_string(*v);
    }
  }
  return EditorReading{std::move(r), {}};
}

std::string LeaveWeightText(const std::string& text, int multiplier) {
  std::string s = text;
  if (multiplier > 0) {
    auto v = Whole(text);
    if (!v) return text;
    const long long m = multiplier;
    long long q = *v / m, rest = *v % m;
    if (2 * rest > m || (2 * rest == m && q % 2 != 0)) ++q;
    s = std::to_string(std::min(q * m, kMaxStored * m));
  }
  s = BlanksToZero(s);
  if (s.size() < 3) s.insert(0, 3 - s.size(), '0');
  return s;
}

std::string CutWeightText(const std::string& text, int width) {
  return BlanksToZero(text.substr(0, static_cast<std::size_t>(width)));
}

}  // namespace kv7::programs
