// The installation menu, the archive resets and the update launcher on the
// console: each entry posts its command to the machine thread.

#include "app/ConsoleApp.h"

namespace kv7::app {

void ConsoleApp::WireInstallation() {
  using supervisor::Supervisor;
  using ui::TMain;
  WireCommand(&TMain::Impostazione1Click, &Supervisor::Impostazione1Click);
  WireCommand(&TMain::SalvasuFloppy1Click, &Supervisor::SalvasuFloppy1Click);
  WireCommand(&TMain::RipristinadaFloppy1Click, &Supervisor::RipristinadaFloppy1Click);
  WireCommand(&TMain::AzzeramentoBolle1Click, &Supervisor::AzzeramentoBolle1Click);
  WireCommand(&TMain::azzeraProduttori1Click, &Supervisor::azzeraProduttori1Click);
  // A started update ends the console through its exit command, as "Fine" does.
  connect(&window_, &TMain::ControlloAggiornamentiOnline1Click, this, [this] {
    auto* sup = supervisor_.get();
    machine_.Post([this, sup] {
      if (!sup->ControlloAggiornamentiOnline1Click()) return;
      sup->fine2();
      OnWindowThread([this] { window_.close(); });
    });
  });
  for (const char* entry : {"Impostazione1", "SalvasuFloppy1", "RipristinadaFloppy1", "AzzeramentoBolle1",
                            "azzeraProduttori1", "ControlloAggiornamentiOnline1"})
    window_.SetEntryAvailable(entry, true);
}

}  // namespace kv7::app
