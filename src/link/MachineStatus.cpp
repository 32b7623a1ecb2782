#include "link/MachineStatus.h"

namespace kv7 {

std::string CutField(const std::string& text, std::size_t first, std::size_t length) {
  if (first == 0 || first > text.size()) return {};
  return text.substr(first - 1, length);
}

rcStateMachine DecodeStateMachine(const std::string& reply) {
  rcStateMachine s;
  s.Stato = CutField(reply, 1, 1);
  s.NumProgramma = CutField(reply, 2, 2);
  s.Cadenza = CutField(reply, 4, 3);
  s.Aux = CutField(reply, 7, 1);
  s.NumTazza = CutField(reply, 8, 3);
  s.TazzeBad = CutField(reply, 11, 4);
  // The long reply goes on past position 14 instead of ending there with CR.
  if (reply.size() >= 15 && static_cast<unsigned char>(reply[14]) > 13) {
    s.Fc1 = CutField(reply, 15, 3);
    s.Fc2 = CutField(reply, 18, 3);
    s.Fc3 = CutField(reply, 21, 3);
    s.Fc4 = CutField(reply, 24, 3);
    s.Fc5 = CutField(reply, 27, 3);
  }
  return s;
}

rcRichiestaTotali DecodeRichiestaTotali(const std::string& reply) {
  rcRichiestaTotali t;
  t.Head = CutField(reply, 2, 1);
  for (std::size_t k = 1; k <= rcRichiestaTotali::kClasses; ++k) t.Tot[k - 1] = CutField(reply, 8 * k - 7, 8);
  return t;
}

void DecodeTestCelle(const std::string& reply, rcTestCelle& values) {
  for (std::size_t n = 1; n <= rcTestCelle::kLines; ++n) values.Val[n - 1] = CutField(reply, 4 * n - 2, 4);
}

}  // namespace kv7
