#pragma once
// The editor's rules on texts and figures: field limits, note
// normalisation, the class weight ranges, totals in grams or kilograms and
// the recomputation of totals and shares (optionally on the declared batch
// weight). Plain C++: texts use '.' as decimal mark; the window shows the
// language's mark.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "batches/BatchWorkingSet.h"
#include "prices/PriceList.h"

namespace kv7::batches {

// Characters (not bytes) of a UTF-8 text, and its first n characters.
std::size_t CharCount(std::string_view utf8);
std::string FirstChars(std::string_view utf8, std::size_t n);

// A CR immediately followed by LF is dropped with the LF; a lone CR and
// every other character stay. The result is cut to `limit` characters.
inline constexpr std::size_t kNoteLimit = 30;
std::string NormaliseNote(std::string_view text, std::size_t limit = kNoteLimit);

// What the working set's figures weigh for valuation: gram texts and the
// declared kilograms that do not read as whole numbers count 0.
prices::BatchWeights WeightsOf(const BatchWorkingSet& ws);

// A whole number written as text: blanks around it and a sign allowed.
std::optional<std::int64_t> ParseInteger(std::string_view text);
// Read as the recomputation does: anything that is not an integer is 0.
std::int64_t IntegerOrZero(std::string_view text);

std::string RightAligned(std::string text, std::size_t width);

// A class weight range: both limits right-aligned in 4 characters with the
// blanks made "0" ("0090-0110").
std::string ClassRangeText(long lower, long upper);

// A gram amount as the editor shows it: in grams the integer right-aligned
// in 8 characters; in kilograms the value / 1000 with one decimal,
// right-aligned in 6 ("  12.5").
std::string TotalText(std::int64_t grams, bool inGrams);
// Kilograms typed into a total as the text of the nearest whole gram,
// right-aligned in 8 characters.
std::string KilogramsToGramsText(double kilograms);

// What RecomputeBatchView shows. Shares are nullopt when the grand total is
// below 1: the share fields then keep their previous text.
struct BatchView {
  std::array<std::array<std::string, kClasses>, kQualities> classTotals{};
  std::array<std::array<std::optional<std::string>, kClasses>, kQualities> classShares{};
  std::array<std::string, 5> qualityTotals{};  // LavoratoQ1..5
  std::array<std::optional<std::string>, 5> qualityShares{};
  std::string grandTotal;
  bool recalculated = false;  // shown on the declared batch weight
};

// `corr`: the "Partita" box is ticked; the recalculation is in force only
// when the working set's declared weight reads as a non-zero integer.
BatchView RecomputeBatchView(const BatchWorkingSet& ws, bool corr, bool inGrams);

// Whether "Partita" may stay ticked: the declared weight is a non-zero integer.
bool RecalcAllowed(std::string_view totalePart);

}  // namespace kv7::batches
