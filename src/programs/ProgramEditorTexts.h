#pragma once
// What the program editor shows, as texts, and the rules that move a program
// between the stored record (limits in the units of the weight multiplier)
// and the editor (limits in grams). No widgets here: the window applies these
// rules to its fields, the archive and the blocks use them directly.

#include <array>
#include <optional>
#include <string>

#include "store/ProgramRecord.h"

namespace kv7::programs {

inline constexpr int kQualities = 4;
inline constexpr int kClasses = 15;
inline constexpr int kLimits = 16;

template <typename T>
using PerClass = std::array<std::array<T, kClasses>, kQualities>;  // [q - 1][c - 1]

// Field widths of the editor (characters a field holds).
inline constexpr int kDescriptionWidth = 45;  // the `descrizione` column
inline constexpr int kCodeWidth = 3;          // the `codiceprog` column
inline constexpr int kNameWidth = 6;
inline constexpr int kClassCodeWidth = 14;
// A weight field holds 3 digits; with a multiplier above 1 it holds the
// largest shown value, 999 x multiplier (and a kilogram text like "1.5").
int WeightWidth(int multiplier);

struct ProgramEditorTexts {
  std::string code;
  std::string description;
  PerClass<std::string> name;
  PerClass<std::string> classCode;
  PerClass<std::string> minWeight;  // PesoCalMin<c>Q<q> = limit c
  PerClass<std::string> maxWeight;  // PesoCalMax<c>Q<q> = limit c + 1
  std::string rejectCode;
};

// A weight field: quality 1..4, class 1..15, the minimum or the maximum.
struct WeightField {
  int quality = 1;
  int klass = 1;
  bool isMax = false;
  // The control's name, e.g. "PesoCalMax3Q2".
  std::string Name() const;
};

// The record as the editor shows it: limits times the multiplier when it is
// above 1, otherwise as stored.
ProgramEditorTexts ShowProgram(const store::ProgramRecord& record, int multiplier);

// New program: description, names and weights empty; the class codes and the
// reject code keep what `last` showed.
ProgramEditorTexts ClearedForNewProgram(const ProgramEditorTexts& last, const std::string& code);

// A shown weight back in stored units. With a multiplier above 1 a text with
// a "." is kilograms (nearest gram), any other a whole number of grams, both
// divided by the multiplier; otherwise a whole number. Blanks around are
// ignored; the result is at most 999. nullopt when the text is none of these
// (empty, negative, letters).
std::optional<int> StoredLimit(const std::string& shown, int multiplier);

// The editor's content as a record; on failure the first weight field (in
// page and row order) that does not convert.
struct EditorReading {
  std::optional<store::ProgramRecord> record;
  WeightField badField;
};
EditorReading ReadEditor(const ProgramEditorTexts& texts, int multiplier);

// Leaving a weight field: with a multiplier above 0 the value is rounded to
// a multiple of it (ties to even) and kept within 999 x multiplier; a text
// that is not a whole number stays as it is. Then blanks become "0" and the
// text is padded with "0" to 3 characters.
std::string LeaveWeightText(const std::string& text, int multiplier);

// A weight field's text after an edit made it longer than `width`: cut to the
// width, blanks made "0".
std::string CutWeightText(const std::string& text, int width);

}  // namespace kv7::programs
