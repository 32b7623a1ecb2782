#pragma once
// Machine status, totals and line values as the controller board reports
// them: texts cut at fixed positions of the reply, kept exactly as received
// (leading blanks included). The users convert them to numbers.

#include <array>
#include <cstddef>
#include <string>

namespace kv7 {

// The "A" status reply. Fc1..Fc5 come only with the long reply.
struct rcStateMachine {
  std::string Stato;                    // position 1, machine state "0".."5"
  std::string NumProgramma;             // 2-3, program loaded on the board
  std::string Cadenza;                  // 4-6, cup rate in tenths of cups per second
  std::string Aux;                      // 7
  std::string NumTazza;                 // 8-10, cup counter
  std::string TazzeBad;                 // 11-14, bad cups
  std::string Fc1, Fc2, Fc3, Fc4, Fc5;  // 15-17 .. 27-29, photocell diagnostics

  bool operator==(const rcStateMachine&) const = default;
};

// One "V" totals block: the head character and the fifteen per-class values.
struct rcRichiestaTotali {
  static constexpr std::size_t kClasses = 15;
  std::string Head;
  std::array<std::string, kClasses> Tot;  // Tot[0] is class 1

  bool operator==(const rcRichiestaTotali&) const = default;
};

// "Q"/"R" line values: nine slots, the requests fill the first six.
struct rcTestCelle {
  static constexpr std::size_t kSlots = 9;
  static constexpr std::size_t kLines = 6;
  std::array<std::string, kSlots> Val;  // Val[0] is line 1

  bool operator==(const rcTestCelle&) const = default;
};

// The characters at 1-based positions first..first+length-1 of text;
// positions past the end give a shorter or empty text.
std::string CutField(const std::string& text, std::size_t first, std::size_t length);

// Positions count from the first byte of the reply buffer, whatever it is.
rcStateMachine DecodeStateMachine(const std::string& reply);
rcRichiestaTotali DecodeRichiestaTotali(const std::string& reply);
// Replaces the first six slots of `values`.
void DecodeTestCelle(const std::string& reply, rcTestCelle& values);

}  // namespace kv7
