// The season statistics for a period and a grouping: the figures table, the
// quality shares per group and the class distribution of one group as SVG,
// the table as CSV; and the grower's season statement as PDF.

#include <QtGlobal>

#include <cctype>
#include <string>

#include "i18n/PrintFont.h"
#include "reports/PageOutput.h"
#include "reports/SeasonStatement.h"
#include "stats/StatsTable.h"
#include "web/DataPages.h"
#include "web/PageShell.h"
#include "web/SvgCharts.h"
#include "web/WebText.h"

namespace kv7::web {
namespace {

// The period asked for; this season when none. False with *error when a
// parameter is not understood.
bool ReadQuery(const Request& request, stats::StatsQuery& q, std::string* error) {
  q = stats::SeasonQuery(store::DbDateTime::LocalNow());
  bool bad = false;
  if (auto from = DayParam(request, "from", false, &bad)) q.from = from;
  if (auto to = DayParam(request, "to", true, &bad)) q.to = to;
  if (bad) {
    *error = Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Data non valida (AAAA-MM-GG)"));
    return false;
  }
  if (const std::string by = Param(request, "by"); !by.empty()) {
    const auto grouping = stats::ParseGrouping(by);
    if (!grouping) {
      *error = Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Raggruppamento non valido"));
      return false;
    }
    q.by = *grouping;
  }
  q.producer = Param(request, "producer");
  return true;
}

std::string Form(const Request& request, const stats::StatsQuery& q) {
  const std::string& lang = request.language;
  auto day = [](const std::optional<store::DbDateTime>& d) { return d ? d->ToString().substr(0, 10) : std::string(); };
  std::string html = "<form method=\"get\" action=\"/statistics\" class=\"filters\">\n<label>" +
                     Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Dal"))) + " <input type=\"date\" name=\"from\" value=\"" +
                     Html(day(q.from)) + "\"></label>\n<label>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Al"))) +
                     " <input type=\"date\" name=\"to\" value=\"" + Html(day(q.to)) + "\"></label>\n<label>" +
                     Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Raggruppa per"))) + " <select name=\"by\">";
  const struct {
    stats::Grouping by;
    const char* caption;
  } groupings[] = {{stats::Grouping::Producer, QT_TRANSLATE_NOOP("kv7::web", "Produttore")},
                   {stats::Grouping::Program, QT_TRANSLATE_NOOP("kv7::web", "Programma")},
                   {stats::Grouping::Machine, QT_TRANSLATE_NOOP("kv7::web", "Macchina")},
                   {stats::Grouping::Week, QT_TRANSLATE_NOOP("kv7::web", "Settimana")}};
  for (const auto& g : groupings)
    html += std::string("<option value=\"") + stats::GroupingWord(g.by) + "\"" + (g.by == q.by ? " selected" : "") + ">" +
            Html(Tr(lang, g.caption)) + "</option>";
  html += "</select></label>\n<label>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Produttore"))) +
          " <input type=\"text\" name=\"producer\" value=\"" + Html(q.producer) + "\"></label>\n<button type=\"submit\">" +
          Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Mostra"))) + "</button>\n</form>\n";
  return html;
}

std::vector<std::string> ShareCaptions(const std::string& lang) {
  std::vector<std::string> out;
  for (int q = 1; q <= stats::kQualities; ++q)
    out.push_back(Args(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Qualità %1")), {std::to_string(q)}));
  out.push_back(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Scarto")));
  return out;
}

std::string Row(const std::string& lang, const stats::GroupFigures& g, bool values, const std::string& link) {
  auto n = [&](double v, int d) { return "<td class=\"n\">" + Html(Number(lang, v, d)) + "</td>"; };
  std::string html = "<tr><td>" + (link.empty() ? Html(g.key) : "<a href=\"" + Html(link) + "\">" + Html(g.key) + "</a>") +
                     "</td><td>" + Html(g.label) + "</td>" + n(static_cast<double>(g.batches), 0) +
                     n(static_cast<double>(g.declaredKg), 0) + n(g.SampledKg(), 1);
  for (int i = 0; i < stats::kShares; ++i) html += n(g.QualityShare(i), 2);
  if (values)
    html += (g.value ? n(*g.value, 2) : "<td></td>") + (g.valuePerKg ? n(*g.valuePerKg, 3) : "<td></td>");
  return html + "</tr>\n";
}

std::string Table(const Request& request, const stats::Statistics& s, const std::string& base) {
  const std::string& lang = request.language;
  const bool values = s.HasValues();
  std::string html = "<table class=\"stats\">\n<tr>";
  for (const char* caption : {QT_TRANSLATE_NOOP("kv7::web", "Gruppo"), QT_TRANSLATE_NOOP("kv7::web", "Nome"),
                              QT_TRANSLATE_NOOP("kv7::web", "Bolle"), QT_TRANSLATE_NOOP("kv7::web", "Kg dichiarati"),
                              QT_TRANSLATE_NOOP("kv7::web", "Kg campionati")})
    html += "<th>" + Html(Tr(lang, caption)) + "</th>";
  for (const auto& caption : ShareCaptions(lang)) html += "<th>" + Html(caption) + " %</th>";
  if (values)
    html += "<th>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Valore"))) + "</th><th>" +
            Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Valore al Kg"))) + "</th>";
  html += "</tr>\n";
  for (const auto& g : s.groups) html += Row(lang, g, values, base + "&" + QueryString({{"group", g.key}}));
  stats::GroupFigures total = s.total;
  total.label = Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Totale"));
  return html + Row(lang, total, values, {}) + "</table>\n";
}

std::string Csv(const stats::Statistics& s) {
  const bool values = s.HasValues();
  std::string body = CsvLine(stats::HeaderCells(values));
  for (const auto& g : s.groups) body += CsvLine(stats::GroupCells(g, values, '.'));
  return body;
}

}  // namespace

Response StatisticsPage(store::Database& db, const Request& request) {
  const std::string& lang = request.language;
  stats::StatsQuery q;
  std::string error;
  if (!ReadQuery(request, q, &error)) return ErrorPage(request, 400, error);
  try {
    stats::Statistics s = stats::LoadStatistics(db.Connection(), q);
    stats::FillProducerNames(db, s);
    if (Param(request, "format") == "csv") return Download("text/csv; charset=utf-8", "statistiche.csv", Csv(s));
    auto day = [](const std::optional<store::DbDateTime>& d) { return d ? d->ToString().substr(0, 10) : std::string(); };
    const std::string base = "/statistics?" + QueryString({{"from", day(q.from)}, {"to", day(q.to)},
                                                           {"by", stats::GroupingWord(q.by)}, {"producer", q.producer}});
    std::string body = Form(request, q) + "<p><a href=\"" + Html(base + "&format=csv") + "\">" +
                       Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Scarica CSV"))) + "</a></p>\n";
    if (s.groups.empty()) {
      body += "<p>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Nessuna bolla nel periodo"))) + "</p>\n";
    } else {
      const ChartTexts texts{ShareCaptions(lang), lang};
      body += Table(request, s, base);
      body += "<h2>" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Qualità per gruppo"))) + "</h2>\n" +
              QualitySharesSvg(s.groups, texts);
      const std::string group = Param(request, "group");
      const stats::GroupFigures* shown = &s.total;
      for (const auto& g : s.groups)
        if (g.key == group) shown = &g;
      body += "<h2>" + Html(Args(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Distribuzione per calibro: %1")),
                                 {shown == &s.total ? Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Totale")) : shown->key})) +
              "</h2>\n" + ClassDistributionSvg(*shown, texts);
    }
    Response r;
    r.body = TitledPage(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Statistiche")), body, lang);
    return r;
  } catch (const store::DbError&) {
    return ErrorPage(request, 503, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Archivio non disponibile")));
  }
}

Response StatementPdf(store::Database& db, const Request& request) {
  const std::string& lang = request.language;
  const std::string producer = Param(request, "producer");
  if (producer.empty()) return ErrorPage(request, 400, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Manca il produttore")));
  const stats::StatsQuery season = stats::SeasonQuery(store::DbDateTime::LocalNow());
  bool bad = false;
  const auto from = DayParam(request, "from", false, &bad).value_or(*season.from);
  const auto to = DayParam(request, "to", true, &bad).value_or(store::DbDateTime::LocalNow());
  if (bad) return ErrorPage(request, 400, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Data non valida (AAAA-MM-GG)")));
  try {
    const reports::Page page = reports::LoadSeasonStatement(db, producer, from, to);
    const QByteArray pdf = reports::PdfBytes(page, i18n::PrintSettings{});
    std::string name;
    for (unsigned char c : producer)
      if (std::isalnum(c)) name += static_cast<char>(c);
    return Download("application/pdf", "estratto-" + name + ".pdf",
                    std::string(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  } catch (const store::DbError&) {
    return ErrorPage(request, 503, Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Archivio non disponibile")));
  }
}

}  // namespace kv7::web
