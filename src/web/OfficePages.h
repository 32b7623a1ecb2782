#pragma once
// The pages kv7-web makes itself: the login and the machines (a card per
// machine, filled and kept current by the page's script from the live
// stream /events/machines).

#include <string>

namespace kv7::web {

std::string LoginPage(const std::string& language, bool failed);
std::string MachinesPage(const std::string& language);
std::string NotFoundPage(const std::string& language);

}  // namespace kv7::web
