#pragma once
// The supervisor's way to the person. While the machine is watched under a
// box that is already open, nothing may open a second one on top of it:
// messages are held (the same text once) with their beep and shown when
// ShowHeld() is called after that box has closed; a question gets No, the
// answer that starts nothing. Machine thread only.

#include <string>
#include <utility>
#include <vector>

#include "supervisor/Console.h"

namespace kv7::supervisor {

class HoldingOperator final : public Operator {
 public:
  explicit HoldingOperator(Operator& inner) : inner_(inner) {}

  void ShowMessage(const std::string& text) override {
    if (!holding_) return inner_.ShowMessage(text);
    const bool beep = std::exchange(beepPending_, false);
    for (const Held& h : held_)
      if (h.text == text) return;
    held_.push_back({text, beep});
  }
  bool AskYesNo(const std::string& question) override { return holding_ ? false : inner_.AskYesNo(question); }
  void Beep() override {
    if (holding_)
      beepPending_ = true;
    else
      inner_.Beep();
  }

  void Hold(bool on) {
    holding_ = on;
    beepPending_ = false;
  }

  // The held messages, oldest first, each after its beep.
  void ShowHeld() {
    std::vector<Held> held = std::exchange(held_, {});
    for (const Held& h : held) {
      if (h.beep) inner_.Beep();
      inner_.ShowMessage(h.text);
    }
  }
  // For a console that closes before it could show them.
  std::vector<std::string> TakeHeldTexts() {
    std::vector<std::string> texts;
    for (Held& h : std::exchange(held_, {})) texts.push_back(std::move(h.text));
    return texts;
  }

 private:
  struct Held {
    std::string text;
    bool beep = false;
  };
  Operator& inner_;
  bool holding_ = false;
  bool beepPending_ = false;
  std::vector<Held> held_;
};

}  // namespace kv7::supervisor
