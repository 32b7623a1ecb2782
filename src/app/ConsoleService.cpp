// ConsoleApp: the "Assistenza" menu and the service windows' requests, all
// run on the machine thread.
#include "app/ConsoleApp.h"

namespace kv7::app {

void ConsoleApp::WireService() {
  using supervisor::Supervisor;
  using ui::TMain;
  auto* sup = supervisor_.get();
  serviceWindows_.SetPoster([this, sup](const service::ServiceRequest& request) {
    machine_.Post([sup, request] { sup->HandleServiceRequest(request); });
  });
  WireCommand(&TMain::ControlloCELLE1Click, &Supervisor::ControlloCELLE1Click);
  WireCommand(&TMain::Memorizzato1Click, &Supervisor::Memorizzato1Click);
  WireCommand(&TMain::Encoder1Click, &Supervisor::Encoder1Click);
  WireCommand(&TMain::ControlloTazze1Click, &Supervisor::ControlloTazze1Click);
  WireCommand(&TMain::TestMagneti1Click, &Supervisor::TestMagneti1Click);
  WireCommand(&TMain::TabellaTara1Click, &Supervisor::TabellaTara1Click);
  WireCommand(&TMain::Calibrazione1Click, &Supervisor::Calibrazione1Click);
  WireCommand(&TMain::Oscilloscopio1Click, &Supervisor::Oscilloscopio1Click);
  for (const char* entry : {"ControlloCELLE1", "Memorizzato1", "Encoder1", "ControlloTazze1", "TestMagneti1",
                            "TabellaTara1", "Calibrazione1", "Oscilloscopio1"})
    window_.SetEntryAvailable(entry, true);
}

}  // namespace kv7::app
