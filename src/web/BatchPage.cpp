// One batch: the ticket's figures as the console's page makes them, its
// value where a price list holds, the audit rows of the batch, and the
// console's own page as PDF.

#include <QtGlobal>

#include <string>

#include "i18n/PrintFont.h"
#include "reports/PageData.h"
#include "reports/PageOutput.h"
#include "store/Configuration.h"
#include "web/DataPages.h"
#include "web/PageShell.h"
#include "web/WebText.h"

namespace kv7::web {
namespace {

std::string AmountHtml(const std::string& lang, const reports::Amount& a) {
  if (!a.text.empty()) return Html(a.text);
  if (!a.value) return "&mdash;";
  return Html(Number(lang, *a.value, a.decimals));
}

std::string Field(const std::string& lang, const char* caption, const std::string& value) {
  return "<tr><th>" + Html(Tr(lang, caption)) + "</th><td>" + Html(value) + "</td></tr>\n";
}

std::string Header(const std::string& lang, const reports::BatchPage& p) {
  std::string html = "<table class=\"ticket\">\n";
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Registrazione"), p.registration);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Bolla"), p.numero);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Data"), p.date ? DateTimeText(lang, *p.date) : std::string());
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Produttore"), p.producerCode + " " + p.producerName);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Programma"), p.programNumber + " " + p.programDescription);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Lotto"), p.lot);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Operatore"), p.operatorName);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Casse"), p.crates);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Pedane"), p.pallets);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Note"), p.note);
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Macchina"), std::to_string(p.machine));
  if (p.modified)
    html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Modificata il"), DateTimeText(lang, *p.modified));
  return html + "</table>\n";
}

// Per quality the classes that have a name or carry weight, then the
// quality totals, the reject and the grand total.
std::string Figures(const std::string& lang, const reports::BatchPage& p) {
  std::string html = "<table class=\"figures\">\n<tr><th>" +
                     Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Qualità"))) + "</th><th>" +
                     Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Calibro"))) + "</th><th>" +
                     Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Peso"))) + "</th><th>" + Html(p.unit) +
                     "</th><th>%</th></tr>\n";
  for (int q = 0; q < store::kQualities; ++q) {
    for (const auto& row : p.rows[static_cast<std::size_t>(q)]) {
      if (row.name.empty() && (!row.total.value || *row.total.value == 0)) continue;
      html += "<tr><td>Q" + std::to_string(q + 1) + "</td><td>" + Html(row.name) + "</td><td>" + Html(row.range) +
              "</td><td class=\"n\">" + AmountHtml(lang, row.total) + "</td><td class=\"n\">" +
              AmountHtml(lang, row.share) + "</td></tr>\n";
    }
    html += "<tr class=\"total\"><td>Q" + std::to_string(q + 1) + "</td><td colspan=\"2\">" +
            Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Totale qualità"))) + "</td><td class=\"n\">" +
            AmountHtml(lang, p.qualityTotals[static_cast<std::size_t>(q)]) + "</td><td class=\"n\">" +
            AmountHtml(lang, p.qualityShares[static_cast<std::size_t>(q)]) + "</td></tr>\n";
  }
  html += "<tr class=\"total\"><td>Q5</td><td colspan=\"2\">" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Scarto"))) +
          "</td><td class=\"n\">" + AmountHtml(lang, p.qualityTotals[4]) + "</td><td class=\"n\">" +
          AmountHtml(lang, p.qualityShares[4]) + "</td></tr>\n";
  html += "<tr class=\"total\"><td colspan=\"3\">" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Totale generale"))) +
          "</td><td class=\"n\">" + AmountHtml(lang, p.grandTotal) + "</td><td></td></tr>\n";
  return html + "</table>\n";
}

std::string Value(const std::string& lang, const reports::BatchPage& p) {
  if (!p.value) return {};
  const auto& v = p.value->value;
  std::string html = "<table class=\"value\">\n";
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Listino dal"), DateText(lang, p.value->listFrom));
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Valore"), Number(lang, static_cast<double>(v.value) / 100.0, 2));
  if (v.perKg)
    html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Prezzo medio al Kg"),
                  Number(lang, static_cast<double>(*v.perKg) / 10000.0, 4));
  html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Kg valutati"), Number(lang, static_cast<double>(v.grams) / 1000.0, 1));
  if (!v.unpriced.empty()) {
    // Named as on the console's page: "Q4 C2, Scarto".
    std::string keys;
    for (const auto& k : v.unpriced) {
      if (!keys.empty()) keys += ", ";
      keys += k.IsReject() ? Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Scarto"))
                           : Args(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Q%1 C%2")),
                                  {std::to_string(k.qualita), std::to_string(k.classe)});
    }
    html += Field(lang, QT_TRANSLATE_NOOP("kv7::web", "Senza prezzo"), keys);
  }
  return "<h2>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Valore"))) + "</h2>\n" + html + "</table>\n";
}

// Changes people made to this batch, oldest first (none when the archive
// has no audit trail yet).
std::string Audit(store::Database& db, const std::string& lang, std::int64_t num) {
  std::string html = "<h2>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Modifiche"))) + "</h2>\n";
  std::vector<store::DbRow> rows;
  if (db.TableExists("kv7_audit"))
    rows = db.Connection().Query(
        "SELECT quando, macchina, utente, finestra, azione, prima, dopo FROM kv7_audit "
        "WHERE tabella = 'bolle' AND chiave = ? ORDER BY id",
        {std::to_string(num)});
  if (rows.empty()) return html + "<p>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Nessuna modifica"))) + "</p>\n";
  html += "<table class=\"audit\">\n<tr>";
  for (const char* caption : {QT_TRANSLATE_NOOP("kv7::web", "Quando"), QT_TRANSLATE_NOOP("kv7::web", "Macchina"),
                              QT_TRANSLATE_NOOP("kv7::web", "Utente"), QT_TRANSLATE_NOOP("kv7::web", "Finestra"),
                              QT_TRANSLATE_NOOP("kv7::web", "Azione"), QT_TRANSLATE_NOOP("kv7::web", "Valori prima"),
                              QT_TRANSLATE_NOOP("kv7::web", "Valori dopo")})
    html += "<th>" + Html(Tr(lang, caption)) + "</th>";
  html += "</tr>\n";
  for (const auto& r : rows) {
    const auto* when = std::get_if<store::DbDateTime>(&r[0]);
    html += "<tr><td>" + Html(when ? DateTimeText(lang, *when) : std::string()) + "</td>";
    for (std::size_t i = 1; i < r.Size(); ++i) html += "<td>" + Html(store::ToText(r[i])) + "</td>";
    html += "</tr>\n";
  }
  return html + "</table>\n";
}

}  // namespace

Response BatchPage(store::Database& db, const Request& request) {
  const std::string& lang = request.language;
  const auto num = IntParam(request, "num");
  if (!num || *num <= 0)
    return ErrorPage(request, 400, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Numero di bolla non valido")));
  try {
    // The office has no console configuration: weights in grams, ranges shown.
    const store::Configuration config;
    const bool partita = Param(request, "partita") == "1";
    const auto stored = reports::LoadBatchPage(db, *num, partita, config);
    if (!stored.found) return ErrorPage(request, 404, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Bolla non trovata")));
    if (!stored.page)
      return ErrorPage(request, 404,
                       Args(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Il programma %1 della bolla non è più in archivio")),
                            {stored.programMissing}));
    const reports::BatchPage& page = *stored.page;
    if (Param(request, "format") == "pdf") {
      const QByteArray pdf = reports::PdfBytes(page, i18n::PrintSettings{});
      return Download("application/pdf", "bolla-" + std::to_string(*num) + ".pdf",
                      std::string(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    }
    const std::string self = "/batch?num=" + std::to_string(*num);
    std::string body = "<p><a href=\"" + Html(self + "&format=pdf" + (partita ? "&partita=1" : "")) + "\">PDF</a> | <a href=\"" +
                       Html(self + (partita ? "" : "&partita=1")) + "\">" +
                       Html(Tr(lang, partita ? QT_TRANSLATE_NOOP("kv7::web", "Pesi campionati")
                                             : QT_TRANSLATE_NOOP("kv7::web", "Sul peso dichiarato"))) +
                       "</a></p>\n";
    body += Header(lang, page) + Figures(lang, page) + Value(lang, page) + Audit(db, lang, *num);
    Response r;
    r.body = TitledPage(Args(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Bolla %1")), {std::to_string(*num)}), body, lang);
    return r;
  } catch (const store::DbError&) {
    return ErrorPage(request, 503, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Archivio non disponibile")));
  }
}

}  // namespace kv7::web
