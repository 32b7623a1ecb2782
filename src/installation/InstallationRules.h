#pragma once
// The installation window's rules without its widgets: what each control
// shows for the configuration record, and how "Salva" takes the controls'
// values back into the record. The window holds one InstallationForm; the
// machine side fills it and applies it.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Configuration.h"

namespace kv7::installation {

// The port selectors' first entry; it stores port 0 (no link).
inline constexpr const char* kPortOff = "non abilitata";
// The archive resets' password until a site sets its own.
inline constexpr const char* kResetPassword = "vok";

enum PortSelector { kControllerPort = 0, kBarcodePort = 1, kRejectPort = 2 };

// What the controls hold: texts as typed, list choices as entry indexes
// (-1: no entry selected), the port selectors as their entry text.
struct InstallationForm {
  std::array<std::string, 3> ports;  // ComSel1, ComSel2, ComSel3
  bool barcodeEnab = false;          // BarcodeEnab
  bool scartiEnab = false;           // ScartiEnab
  std::string lines;                 // LineeSel1 "1".."6"
  std::string outlets;               // UsciteSel2
  std::string cups;                  // NumTazze1
  int magnetType = -1;               // TipoAttivMagn1
  std::string magnetTime;            // DurataMagn
  std::array<std::string, store::kOutlets> outletDistance;  // Dist1..Dist30
  std::string encoderZero;           // FaseZero
  std::array<std::string, store::kLines> windowStart, windowEnd, kappa;  // Ini, Fin, Kappa
  std::string magnetOpening;         // Apertura
  std::array<int, store::kLines> quality{};  // comboq1..ComboQ6: 0 is "Qualità1"
  int rotation = 0;                  // SpeedButton1: 0 left, 1 right
  std::string tareDelay;             // rittara
  int tareType = -1;                 // tiptara
  std::string photocellDistance;     // distfc
  std::string photocellDuration;     // pgest
  std::string photocellDelay;        // ritfc
  // New service and reset passwords, each typed twice; empty leaves a
  // password as it is. A stored password is never shown.
  std::string servicePassword, servicePasswordAgain;
  std::string resetPassword, resetPasswordAgain;
  int machine = store::kFirstMachine;  // NumMacchina
  bool operator==(const InstallationForm&) const = default;
};

// "COMn" for port n; ports outside 1..98 show as "non abilitata".
std::string PortEntry(int port);
// The selectors' entries: "non abilitata", then "COMn" for each available
// port and for the configured one (so a reader unplugged while the window is
// open is not switched off by saving), in port order.
std::vector<std::string> PortEntries(const std::vector<int>& available, int configured);
// The port an entry stands for: "non abilitata" 0, "COMn" n; nullopt for an
// entry too short to be either.
std::optional<int> PortOfEntry(std::string_view entry);

// The controls for the record. `threeStep`: the console's three-step magnet flag.
InstallationForm FormFromConfiguration(const store::Configuration& c, bool threeStep);

// A control whose text must be a whole number and is not, or whose number
// does not fit its places in the installation text sent to the board: its
// Italian caption, for the per-line and per-outlet controls the number (else
// 0), and the largest value it takes (0: the text is not a whole number; the
// smallest is always 0).
struct BadNumber {
  std::string caption;
  int index = 0;
  int largest = 0;
  bool operator==(const BadNumber&) const = default;
};
// The first such control; nullopt when "Salva" may go on. The end-of-sample
// distance and duration, the tare delay and the magnet time are not checked
// for being numbers: a text that is not one counts as 0 there; a magnet time
// that is a number must fit its two places.
std::optional<BadNumber> FirstBadNumber(const InstallationForm& form);

// What taking the form changed beyond the record.
struct TakenForm {
  bool linesChanged = false;
  bool threeStep = false;
};

// "Salva": the controls into the record (the language and the percentage
// limits are the caller's). A checked text that is not a number leaves its
// key as it was, so a page printed from a half-typed window still shows the
// record's values.
TakenForm TakeForm(const InstallationForm& form, store::Configuration& c, bool threeStep);

// Whether each new password was typed the same twice.
bool NewPasswordsMatch(const InstallationForm& form);
// The new passwords typed into the record, as hashes; empty ones leave theirs.
void TakeNewPasswords(const InstallationForm& form, store::Configuration& c);

}  // namespace kv7::installation
