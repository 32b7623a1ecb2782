#pragma once
// The page around a handler's body: document, title, language.

#include <string>

namespace kv7::web {

std::string PageShell(const std::string& title, const std::string& bodyHtml, const std::string& language);

}  // namespace kv7::web
