#include "web/PageShell.h"

#include "web/WebText.h"

namespace kv7::web {

std::string PageShell(const std::string& title, const std::string& bodyHtml, const std::string& language) {
  return "<!DOCTYPE html>\n<html lang=\"" + Html(language) + "\"><head><meta charset=\"utf-8\"><title>" +
         Html(title) + "</title></head><body>\n<h1>" + Html(title) + "</h1>\n" + bodyHtml + "</body></html>\n";
}

}  // namespace kv7::web
