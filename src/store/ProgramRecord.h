#pragma once
// The current grading program as texts, as LoadProgramByCode fills it from a
// row of `programmi`: for each quality q = 1..4, 16 class limits (15 classes
// share neighbouring limits), 15 class names and 15 article codes, plus the
// article code of the reject quality.

#include <array>
#include <string>

namespace kv7::store {

struct ProgramRecord {
  std::string code;         // codiceprog
  std::string description;  // descrizione
  // limit[q - 1][k - 1] = pesocal<k>q<q>, k = 1..16, as decimal text.
  std::array<std::array<std::string, 16>, 4> limit;
  // name[q - 1][c - 1] = nomecal<c>q<q>, c = 1..15.
  std::array<std::array<std::string, 15>, 4> name;
  // classCode[q - 1][c - 1] = codicec<c>q<q>.
  std::array<std::array<std::string, 15>, 4> classCode;
  std::string rejectCode;  // codiceq5
};

}  // namespace kv7::store
