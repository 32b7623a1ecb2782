#include "app/ServiceWindowsBridge.h"

#include "service/DisplayTests.h"
#include "service/MachineTests.h"
#include "service/TCalibrazione_Linee.h"
#include "service/TTestOscilloscopio.h"
#include "service/Ttabtara.h"

namespace kv7::app {

using service::ServiceWindow;

ServiceWindowsBridge::ServiceWindowsBridge(QWidget& parent, WindowThreadGate& gate) : gate_(gate) {
  for (service::ServiceDialog* w : std::initializer_list<service::ServiceDialog*>{
           new service::TTestCelle(&parent), new service::TTestMem(&parent), new service::TTestEncoder(&parent),
           new service::TTestTazzeVuote(&parent), new service::TTestMagneti(&parent), new service::Ttabtara(&parent),
           new service::TCalibrazione_Linee(&parent), new service::TTestOscilloscopio(&parent)})
    windows_[w->Kind()] = w;
}

void ServiceWindowsBridge::SetPoster(const service::ServiceDialog::Poster& poster) {
  for (auto& [kind, dialog] : windows_) dialog->SetPoster(poster);
}

service::ServiceDialog* ServiceWindowsBridge::Window(ServiceWindow window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second;
}

void ServiceWindowsBridge::Open(ServiceWindow window, const service::ServiceOpening& opening) {
  gate_.Post([this, window, opening] {
    open_ = Window(window);
    if (open_) open_->Open(opening);
  });
}

void ServiceWindowsBridge::Show(const service::ServiceRecord& record) {
  gate_.Post([this, record] {
    if (open_ && open_->isVisible()) open_->Show(record);
  });
}

void ServiceWindowsBridge::Close() {
  gate_.Post([this] {
    if (open_) open_->CloseQuietly();
    open_ = nullptr;
  });
}

}  // namespace kv7::app
