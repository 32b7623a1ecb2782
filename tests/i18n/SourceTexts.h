#pragma once
// Reading C++ sources for the texts they show: comments dropped, a call's
// arguments, and an argument put together from literals and run-time parts
// seen as one text with "%1", "%2" ... where the run-time parts go.

#include <optional>
#include <string>
#include <vector>

namespace kv7::test {

// The code without comments; string and character literals kept.
std::string WithoutComments(const std::string& code);

// The index of the bracket closing the one at `open` (or the end).
std::size_t MatchingClose(const std::string& code, std::size_t open);

// `text` cut at `separator` outside brackets and literals ("+=" and "++" are
// not cuts at '+').
std::vector<std::string> SplitTopLevel(const std::string& text, char separator);

// The decoded text of every string literal in `code`.
std::vector<std::string> Literals(const std::string& code);

// A piece that is only literals (adjacent ones joined, or inside
// std::string(...)): their text.
std::optional<std::string> LiteralOnly(const std::string& piece);

struct AssembledText {
  std::string text;                 // literals as written, "%N" for each run-time part
  bool runTime = false;             // some part comes at run time
  std::vector<std::string> nested;  // literals inside run-time parts ("a ? "x" : "y"")
};
// One argument as the text it gives: its '+' pieces joined.
AssembledText Assembled(const std::string& argument);

// A format text of printf with its conversions ("%6lld", "%*.*f") removed.
std::string WithoutConversions(const std::string& format);

bool HasLetters(const std::string& s);

}  // namespace kv7::test
