#pragma once
// What the supervisor logic needs of the screen. The main window implements
// it; tests implement it with a recorder. No widget type appears here, so
// the cycle runs and is tested without a display.
//
// The supervisor calls both interfaces from the machine thread. Console calls
// only tell the screen something: they return at once and reach the widgets
// later, in the order they were made, so there are no getters here (the
// supervisor keeps what it needs to know itself). Operator calls wait for the
// person's answer; they block the machine thread only.

#include <string>
#include <vector>

#include "programs/ProgramBlocks.h"
#include "store/Configuration.h"
#include "store/SideFiles.h"
#include "supervisor/TotalsView.h"

namespace kv7::supervisor {

// Controls and menu entries the cycle switches on and off or fills in.
enum class Control {
  Lavorazione,   // menu "Lavorazione"
  Assistenza1,   // menu "Assistenza"
  Cancella2,     // menu entry: delete batch
  TabellaTara1,  // menu entry: cup tare table
  Label53,       // "Blocco Alimentazione"
  Label55,
  numtazza,
  tazzebad,
  Production,
  LavorPrec,
  Costo,
  numBolla,
  totPartita,  // the main window's batch total
  Image2,
};

enum class Align { Left, Right };

class Console {
 public:
  virtual ~Console() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  // The configured interface language (`langinterface`) and print font,
  // taken once the configuration has been applied at start-up.
  virtual void ApplyLanguage(const store::Configuration& config) = 0;
  // The print font and `autorefresh` now in force, for the print settings
  // file a later language switch writes.
  virtual void SetPrintSettings(const store::Configuration& config) = 0;
  // Status bar panels 0..4; panel 5 shows what waits to be archived or
  // exported and is hidden while empty.
  virtual void SetStatusPanel(int panel, const std::string& text) = 0;
  virtual void SetStatusAlignment(int panel, Align align) = 0;

  virtual void SetEnabled(Control c, bool enabled) = 0;
  virtual void SetVisible(Control c, bool visible) = 0;
  virtual void SetText(Control c, const std::string& text) = 0;

  // Empties every class name, weight, count and share cell and the quality
  // and grand totals.
  virtual void ClearTotals() = 0;
  // Class names and ranges of the four quality pages for the program on the
  // board (an empty view clears them).
  virtual void ShowProgramClasses(const programs::ProgramClassView& view) = 0;
  // Every totals cell, production and cost at once, from one request.
  virtual void ShowTotals(const TotalsView& view) = 0;
  // F7's cost line ("Costo al Kg. L."), in place of the running cost until
  // the next totals.
  virtual void ShowCostPerKg(const TotalsView::Cost& cost) = 0;
  // "gr" when true, "Kg" otherwise, on every unit label.
  virtual void SetUnits(bool grams) = 0;
  virtual void AppendMemo(const std::string& line) = 0;
  // Memo1's oldest line has become a batch's bar code.
  virtual void RemoveFirstMemoLine() = 0;

  // "customer.jpg" from the working directory, then "customer.bmp" over it.
  virtual void ShowCustomerLogo(const std::string& directory) = 0;

  // The serial ports found on this PC, for the installation window's selectors.
  virtual void SetAvailablePorts(const std::vector<int>& ports) = 0;

  // Input focus on the batch number, "Stampa con totale partita" checked.
  virtual void PrepareBatchEntry() = 0;

  // The company header lines printed on the reports, after they changed.
  virtual void ShowCompanyHeader(const store::CompanyHeader& /*header*/) {}
};

// What the supervisor needs of the person at the machine: modal messages,
// questions, the beep.
class Operator {
 public:
  virtual ~Operator() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& question) = 0;
  virtual void Beep() = 0;
};

}  // namespace kv7::supervisor
