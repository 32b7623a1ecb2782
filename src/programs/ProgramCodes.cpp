#include "programs/ProgramCodes.h"

#include <charconv>

namespace kv7::programs {

std::optional<int> ProgramNumber(std::string_view code) {
  const auto first = code.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  code = code.substr(first, code.find_last_not_of(' ') + 1 - first);
  int value = 0;
  auto r = std::from_chars(code.data(), code.data() + code.size(), value);
  if (r.ec != std::errc() || r.ptr != code.data() + code.size() || code.front() == '-') return std::nullopt;
  return value;
}

std::string ProgramCodeText(int n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}

std::optional<int> BoardProgramNumber(std::string_view code) {
  auto n = ProgramNumber(code);
  if (!n || *n < kFirstBoardProgram || *n > kLastBoardProgram) return std::nullopt;
  return n;
}

std::string LookupCode(std::string_view code) {
  auto n = ProgramNumber(code);
  return n ? ProgramCodeText(*n) : std::string(code);
}

std::string ProgramCodes::At(int p) const {
  if (p < 1 || p > Count()) return {};
  return codes_[static_cast<std::size_t>(p - 1)];
}

bool ProgramCodes::HasNumber(int n) const {
  for (const auto& c : codes_)
    if (ProgramNumber(c) == n) return true;
  return false;
}

ProgramLists MakeProgramLists(std::vector<ProgramListEntry> entries) {
  if (entries.size() > static_cast<std::size_t>(kMaxListedPrograms)) entries.resize(kMaxListedPrograms);
  std::vector<std::string> codes;
  codes.reserve(entries.size());
  for (const auto& e : entries) codes.push_back(e.code);
  return ProgramLists{std::move(entries), ProgramCodes(std::move(codes))};
}

std::optional<std::string> ProposeNewCode(const ProgramCodes& codes) {
  std::vector<bool> used(kLastBoardProgram + 1, false);
  for (const auto& c : codes.Codes())
    if (auto n = BoardProgramNumber(c)) used[static_cast<std::size_t>(*n)] = true;
  for (int n = kFirstBoardProgram; n <= kLastBoardProgram; ++n)
    if (!used[static_cast<std::size_t>(n)]) return ProgramCodeText(n);
  return std::nullopt;
}

}  // namespace kv7::programs
