#pragma once
// The rules of the service windows that need no window: how weights are
// shown with the installation's multiplier, the line calibration's sample
// weight and corrections, the empty-cup limit, the magnet outlet, the tare
// table request. Texts in, texts out, as the windows and the board hold them.

#include <array>
#include <optional>
#include <string>

#include "service/ServiceTypes.h"

namespace kv7::service {

// A weight from the board as shown: as received when the multiplier is
// below 2, else multiplied by it and zero-filled to 4 digits (a text that is
// not a number counts as 0).
std::string ShownWeight(const std::string& raw, int multiplier);

// The sample weight typed: none when it is not a number; with a multiplier
// above 1 it is rounded down to a multiple of it.
std::optional<int> RoundedSampleWeight(const std::string& text, int multiplier);
// Only sample weights from 150 to 999 start the procedure.
bool SampleWeightAccepted(int grams);

// One correction button on a kappa text: `change` is added while the kappa
// is below 1100 (positive change) or above 700 (negative change); a text that
// is not a number counts as 0. Right-aligned in 4 characters.
std::string CorrectedKappa(const std::string& text, int change);
// The kappa as the store keeps it, or none when the text is not a number.
std::optional<int> KappaValue(const std::string& text);
// The six kappas for the "(" command: 4 digits each, zero-filled, line 1 first.
std::string CalibrationConstants(const std::array<int, kLines>& kappas);

// The empty-cup limit shown for an up-down position: position x multiplier
// (the position itself when the multiplier is 0 or less), 3 digits.
std::string EmptyCupLimitText(int position, int multiplier);
// The limit the board gets: the shown limit divided by the multiplier when
// it is above 0, 3 digits.
std::string EmptyCupBoardLimit(const std::string& limitText, int multiplier);

// "U" data of the magnet test: "1" (dynamic) or "2" (static) + the outlet in
// 2 digits; "000" ends any test.
std::string MagnetTestData(bool dynamic, int outlet);
inline constexpr const char* kMagnetTestEnd = "000";

// The cup tare table request for `cups` cups: "001" + the count in 3 digits,
// with a time-out of 150 ticks per cup (held within the link's tick counter).
struct TareRequest {
  std::string argument;
  int timeoutTicks = 0;
};
TareRequest TareTableRequest(int cups);

// Whole number of a text with leading blanks allowed; none otherwise.
std::optional<int> NumberOf(const std::string& text);

}  // namespace kv7::service
