#pragma once
// Program codes and numbers. A program is known to the board, the batches and
// the reports by one number: the integer value of its code. Programs are
// looked up by that value, whatever the spelling stored ("7", "07", "007");
// the console itself writes codes with two digits ("07").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv7::programs {

// The board accepts program numbers 1..98 (0 means "no program").
inline constexpr int kFirstBoardProgram = 1;
inline constexpr int kLastBoardProgram = 98;
// The list windows show at most this many programs.
inline constexpr int kMaxListedPrograms = 999;

// The integer value of a code: decimal digits with optional blanks around
// them; nullopt for anything else (a sign, letters, an empty text).
std::optional<int> ProgramNumber(std::string_view code);
// Number n as a code: at least two digits ("05", "42", "100").
std::string ProgramCodeText(int n);
// The number a code has on the board: its value when 1..98, else nullopt.
std::optional<int> BoardProgramNumber(std::string_view code);
// The form the console writes and prints a code in: an integer code with
// two digits, any other text unchanged.
std::string LookupCode(std::string_view code);

// One program of the list: its code and description as stored.
struct ProgramListEntry {
  std::string code;
  std::string description;
  // The list window's line: code, two blanks, description.
  std::string Text() const { return code + "  " + description; }
};

// The codes of the listed programs by list position (1-based), in the
// archive's order.
class ProgramCodes {
 public:
  ProgramCodes() = default;
  explicit ProgramCodes(std::vector<std::string> codes) : codes_(std::move(codes)) {}

  int Count() const { return static_cast<int>(codes_.size()); }
  // The code at position p; empty when p is outside 1..Count().
  std::string At(int p) const;
  // Whether some listed code has the integer value n.
  bool HasNumber(int n) const;
  const std::vector<std::string>& Codes() const { return codes_; }

 private:
  std::vector<std::string> codes_;
};

// What FillProgramLists gives the list windows and the batch editor.
struct ProgramLists {
  std::vector<ProgramListEntry> entries;
  ProgramCodes codes;
  int Count() const { return static_cast<int>(entries.size()); }
};

ProgramLists MakeProgramLists(std::vector<ProgramListEntry> entries);

// The code New proposes: the lowest number 1..98 that no listed code has,
// written with two digits; nullopt when all 98 are taken.
std::optional<std::string> ProposeNewCode(const ProgramCodes& codes);

}  // namespace kv7::programs
