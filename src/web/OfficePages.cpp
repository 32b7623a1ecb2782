#include "web/OfficePages.h"

#include <QtGlobal>

#include <utility>
#include <vector>

#include "audit/Json.h"
#include "web/Escape.h"
#include "web/PageLanguage.h"
#include "web/PageShell.h"

namespace kv7::web {
namespace {

std::string Text(const std::string& language, const char* source) { return HtmlEscape(Tr(language, source)); }

// The texts the script shows, in the page's language.
std::string ScriptTexts(const std::string& language) {
  const std::vector<std::pair<const char*, const char*>> texts = {
      {"machine", QT_TRANSLATE_NOOP("kv7::web", "Macchina %1")},
      {"state", QT_TRANSLATE_NOOP("kv7::web", "Stato")},
      {"program", QT_TRANSLATE_NOOP("kv7::web", "Programma")},
      {"batch", QT_TRANSLATE_NOOP("kv7::web", "Bolla")},
      {"producer", QT_TRANSLATE_NOOP("kv7::web", "Produttore")},
      {"production", QT_TRANSLATE_NOOP("kv7::web", "Produzione (kg/h)")},
      {"cupRate", QT_TRANSLATE_NOOP("kv7::web", "Tazze al minuto")},
      {"waiting", QT_TRANSLATE_NOOP("kv7::web", "Bolle in attesa")},
      {"updated", QT_TRANSLATE_NOOP("kv7::web", "Ultimo aggiornamento")},
      {"silent", QT_TRANSLATE_NOOP("kv7::web", "non risponde")},
      {"quality", QT_TRANSLATE_NOOP("kv7::web", "Qualità %1")},
      {"reject", QT_TRANSLATE_NOOP("kv7::web", "Scarto")},
      {"total", QT_TRANSLATE_NOOP("kv7::web", "Totale")},
      {"noMachines", QT_TRANSLATE_NOOP("kv7::web", "Nessuna macchina ha ancora scritto il suo stato")},
      {"archiveDown", QT_TRANSLATE_NOOP("kv7::web", "Archivio non raggiungibile")},
      {"reconnecting", QT_TRANSLATE_NOOP("kv7::web", "Aggiornamento interrotto: nuovo tentativo in corso")},
  };
  std::string json = "{";
  for (const auto& [key, source] : texts) json += (json.size() > 1 ? "," : "") + audit::JsonString(key) + ":" + audit::JsonString(Tr(language, source));
  return json + "}";
}

}  // namespace

std::string LoginPage(const std::string& language, bool failed) {
  const std::string title = Text(language, QT_TRANSLATE_NOOP("kv7::web", "Accesso"));
  std::string body = "<form class=\"login\" method=\"post\" action=\"/login\"><h1>" + title + "</h1>";
  if (failed) body += "<p class=\"error\">" + Text(language, QT_TRANSLATE_NOOP("kv7::web", "Utente o password errati")) + "</p>";
  body += "<label>" + Text(language, QT_TRANSLATE_NOOP("kv7::web", "Utente")) +
          " <input name=\"user\" autocomplete=\"username\" required autofocus></label><label>" +
          Text(language, QT_TRANSLATE_NOOP("kv7::web", "Password")) +
          " <input name=\"password\" type=\"password\" autocomplete=\"current-password\" required></label><button>" +
          Text(language, QT_TRANSLATE_NOOP("kv7::web", "Entra")) + "</button></form>";
  return BarePageShell(title, body, language);
}

std::string MachinesPage(const std::string& language) {
  const std::string title = Text(language, QT_TRANSLATE_NOOP("kv7::web", "Macchine"));
  return PageShell(title,
                   "<h1>" + title + "</h1><div id=\"machines\" data-texts=\"" + HtmlEscape(ScriptTexts(language)) +
                       "\"><p id=\"feed-state\" class=\"feed-state\"></p><div id=\"cards\" class=\"cards\"></div></div>",
                   language);
}

std::string NotFoundPage(const std::string& language) {
  const std::string title = Text(language, QT_TRANSLATE_NOOP("kv7::web", "Pagina non trovata"));
  return PageShell(title, "<h1>" + title + "</h1>", language);
}

}  // namespace kv7::web
