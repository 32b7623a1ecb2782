#include "web/PageShell.h"

#include <QtGlobal>

#include "web/Escape.h"
#include "web/PageLanguage.h"

namespace kv7::web {
namespace {

std::string Head(const std::string& title, const std::string& language) {
  return "<!DOCTYPE html>\n<html lang=\"" + HtmlEscape(language) +
         "\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
         "<title>KV7 - " + title + "</title><link rel=\"stylesheet\" href=\"/static/kv7.css\">"
         "<script src=\"/static/kv7.js\" defer></script></head>\n<body>";
}

std::string LanguageMenu(const std::string& language) {
  std::string html = "<form class=\"lang\" method=\"get\" action=\"/language\"><label>" +
                     HtmlEscape(Tr(language, QT_TRANSLATE_NOOP("kv7::web", "Lingua"))) +
                     " <select name=\"lang\">";
  for (const PageLanguage& l : kPageLanguages) {
    html += "<option value=\"" + std::string(l.code) + "\"" + (l.code == language ? " selected" : "") + ">" +
            std::string(l.name) + "</option>";
  }
  return html + "</select></label><input type=\"hidden\" name=\"back\" value=\"/\"><button>" +
         HtmlEscape(Tr(language, QT_TRANSLATE_NOOP("kv7::web", "Cambia"))) + "</button></form>";
}

std::string NavLink(const char* href, const std::string& text) {
  return "<a href=\"" + std::string(href) + "\">" + HtmlEscape(text) + "</a>";
}

}  // namespace

std::string PageShell(const std::string& title, const std::string& bodyHtml, const std::string& language) {
  return Head(title, language) + "<header><nav>" +
         NavLink("/", Tr(language, QT_TRANSLATE_NOOP("kv7::web", "Macchine"))) +
         NavLink("/batches", Tr(language, QT_TRANSLATE_NOOP("kv7::web", "Bolle"))) +
         NavLink("/statistics", Tr(language, QT_TRANSLATE_NOOP("kv7::web", "Statistiche"))) + "</nav>" +
         LanguageMenu(language) + "<form class=\"out\" method=\"post\" action=\"/logout\"><button>" +
         HtmlEscape(Tr(language, QT_TRANSLATE_NOOP("kv7::web", "Esci"))) + "</button></form></header>\n<main>" +
         bodyHtml + "</main></body></html>\n";
}

std::string BarePageShell(const std::string& title, const std::string& bodyHtml, const std::string& language) {
  return Head(title, language) + "<header>" + LanguageMenu(language) + "</header>\n<main>" + bodyHtml +
         "</main></body></html>\n";
}

}  // namespace kv7::web
