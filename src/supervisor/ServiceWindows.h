#pragma once
// The service windows as the machine thread sees them: it opens one, hands
// it records while the cycle serves its mode, and closes it when the console
// closes. Every call returns at once (the window shows it later, in order);
// the window's buttons and its closing come back as requests posted to the
// machine thread (Supervisor::HandleServiceRequest). No widget type here.

#include "service/ServiceTypes.h"

namespace kv7::supervisor {

class ServiceWindows {
 public:
  virtual ~ServiceWindows() = default;
  virtual void Open(service::ServiceWindow window, const service::ServiceOpening& opening) = 0;
  // One record for the open window.
  virtual void Show(const service::ServiceRecord& record) = 0;
  // The session ended without the window (the console closing): it closes
  // without posting its closing.
  virtual void Close() = 0;
};

}  // namespace kv7::supervisor
