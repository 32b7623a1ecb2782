#pragma once
// The service windows on the window thread for the machine thread's service
// commands. Unlike the other bridges nothing here waits: opening a window,
// a record for it and closing it are queued calls, so the machine thread goes
// on ticking and feeds the window while it is open. The windows' requests go
// back through the poster, which ConsoleApp points at the machine thread.

#include <QWidget>

#include <functional>
#include <map>

#include "app/WindowThreadGate.h"
#include "service/ServiceDialog.h"
#include "supervisor/ServiceWindows.h"

namespace kv7::app {

class ServiceWindowsBridge final : public supervisor::ServiceWindows {
 public:
  // The windows are created here, so construct it on the window thread.
  ServiceWindowsBridge(QWidget& parent, WindowThreadGate& gate);

  void SetPoster(const service::ServiceDialog::Poster& poster);

  void Open(service::ServiceWindow window, const service::ServiceOpening& opening) override;
  void Show(const service::ServiceRecord& record) override;
  void Close() override;

  // The window of that kind (window thread).
  service::ServiceDialog* Window(service::ServiceWindow window) const;
  template <class T>
  T* Window() const {
    for (const auto& [kind, dialog] : windows_)
      if (auto* w = qobject_cast<T*>(dialog)) return w;
    return nullptr;
  }

 private:
  WindowThreadGate& gate_;
  std::map<service::ServiceWindow, service::ServiceDialog*> windows_;
  service::ServiceDialog* open_ = nullptr;  // window thread only
};

}  // namespace kv7::app
