#pragma once
// The frame of every page: head, the navigation (Macchine, Bolle,
// Statistiche), the language menu and the way out, around a page's body.
// Our own style sheet and script only, served by kv7-web itself.

#include <string>

namespace kv7::web {

// `title` and `bodyHtml` are ready HTML (escaped by the caller).
std::string PageShell(const std::string& title, const std::string& bodyHtml, const std::string& language);

// The same frame without navigation, for the login page.
std::string BarePageShell(const std::string& title, const std::string& bodyHtml, const std::string& language);

}  // namespace kv7::web
