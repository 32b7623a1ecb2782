// The batch list: filters, a whitelisted sort, pages of 50 over the whole
// archive, and the filtered list as CSV.

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "store/DbConnection.h"
#include "web/DataPages.h"
#include "web/PageShell.h"
#include "web/WebText.h"

namespace kv7::web {
namespace {

constexpr long long kPageSize = 50;

struct SortColumn {
  const char* word;  // the query's `sort`
  const char* sql;
  const char* caption;
};

// Only these reach ORDER BY; the request names them, never writes them.
constexpr std::array<SortColumn, 8> kColumns{{
    {"num", "b.num", QT_TRANSLATE_NOOP("kv7::web", "Num.")},
    {"data", "b.data", QT_TRANSLATE_NOOP("kv7::web", "Data")},
    {"bolla", "b.bolla", QT_TRANSLATE_NOOP("kv7::web", "Bolla")},
    {"produttore", "b.produttore", QT_TRANSLATE_NOOP("kv7::web", "Produttore")},
    {"nome", "p.descrizione", QT_TRANSLATE_NOOP("kv7::web", "Nome")},
    {"programma", "b.programma", QT_TRANSLATE_NOOP("kv7::web", "Programma")},
    {"macchina", "COALESCE(b.macchina, 1)", QT_TRANSLATE_NOOP("kv7::web", "Macchina")},
    {"kg", "b.totpartita", QT_TRANSLATE_NOOP("kv7::web", "Kg dichiarati")},
}};

const SortColumn* ColumnOf(const std::string& word) {
  for (const auto& c : kColumns)
    if (word == c.word) return &c;
  return nullptr;
}

// Everything sampled, the reject included.
std::string SampledGramsSql() {
  std::string sum = "COALESCE(b.totq5, 0)";
  for (int q = 1; q <= store::kQualities; ++q)
    for (int c = 1; c <= store::kClasses; ++c)
      sum += " + COALESCE(b.tot" + std::to_string(c) + "q" + std::to_string(q) + ", 0)";
  return sum;
}

struct ListQuery {
  std::string where;  // " WHERE ..." or empty
  std::vector<store::DbValue> params;
  const SortColumn* sort = &kColumns[0];
  bool descending = true;
  long long page = 1;
  std::vector<std::pair<std::string, std::string>> filterParams;  // for links
};

// Reads the filters; false with *error when one is not understood.
bool ReadQuery(const Request& request, ListQuery& q, std::string* error) {
  std::vector<std::string> terms;
  bool badDate = false;
  if (auto from = DayParam(request, "from", false, &badDate)) {
    terms.push_back("b.data >= ?");
    q.params.emplace_back(*from);
  }
  if (auto to = DayParam(request, "to", true, &badDate)) {
    terms.push_back("b.data <= ?");
    q.params.emplace_back(*to);
  }
  if (badDate) {
    *error = Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Data non valida (AAAA-MM-GG)"));
    return false;
  }
  if (const std::string producer = Param(request, "producer"); !producer.empty()) {
    terms.push_back("TRIM(b.produttore) = TRIM(?)");
    q.params.emplace_back(producer);
  }
  if (const std::string program = Param(request, "program"); !program.empty()) {
    terms.push_back("b.programma = ?");
    q.params.emplace_back(program);
  }
  if (!Param(request, "machine").empty()) {
    const auto machine = IntParam(request, "machine");
    if (!machine) {
      *error = Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Macchina non valida"));
      return false;
    }
    terms.push_back("COALESCE(b.macchina, 1) = ?");
    q.params.emplace_back(static_cast<std::int64_t>(*machine));
  }
  for (std::size_t i = 0; i < terms.size(); ++i) q.where += (i == 0 ? " WHERE " : " AND ") + terms[i];
  if (const SortColumn* c = ColumnOf(Param(request, "sort"))) q.sort = c;
  q.descending = Param(request, "dir") != "asc";
  q.page = std::max(1LL, IntParam(request, "page").value_or(1));
  for (const char* name : {"from", "to", "producer", "program", "machine"})
    q.filterParams.emplace_back(name, Param(request, name));
  return true;
}

// The description of the first producer (in producer order) with the
// batch's code, joined by key rather than asked per row.
constexpr const char* kNameJoin =
    " LEFT JOIN (SELECT codice, MIN(num) AS first FROM produttori GROUP BY codice) f ON f.codice = b.produttore"
    " LEFT JOIN produttori p ON p.num = f.first AND p.codice = f.codice";

std::string OrderSql(const ListQuery& q) {
  const char* dir = q.descending ? " DESC" : " ASC";
  return std::string(" ORDER BY ") + q.sort->sql + dir + ", b.num" + dir;
}

// Every column of the list for the batches `where` picks, in the list's order.
std::string SelectSql(const ListQuery& q, const std::string& where) {
  return "SELECT b.num, b.data, b.bolla, b.produttore, p.descrizione, b.programma, COALESCE(b.macchina, 1), "
         "COALESCE(b.totpartita, 0), " +
         SampledGramsSql() + " FROM bolle b" + kNameJoin + where + OrderSql(q);
}

// The numbers of one page alone: sorting and skipping narrow rows is what
// keeps a late page of a large archive quick.
std::vector<store::DbValue> PageNumbers(store::DbConnection& sql, const ListQuery& q) {
  const bool byName = std::string(q.sort->word) == "nome";
  auto params = q.params;
  params.emplace_back(static_cast<std::int64_t>(kPageSize));
  params.emplace_back(static_cast<std::int64_t>((q.page - 1) * kPageSize));
  std::vector<store::DbValue> nums;
  for (const auto& r : sql.Query("SELECT b.num FROM bolle b" + std::string(byName ? kNameJoin : "") + q.where +
                                     OrderSql(q) + " LIMIT ? OFFSET ?",
                                 params))
    nums.push_back(r[0]);
  return nums;
}

struct ListRow {
  std::int64_t num = 0;
  std::optional<store::DbDateTime> data;
  std::string bolla, produttore, nome, programma;
  std::int64_t macchina = 1, declaredKg = 0, sampledGrams = 0;
};

std::vector<ListRow> ReadRows(const std::vector<store::DbRow>& rows) {
  std::vector<ListRow> out;
  out.reserve(rows.size());
  for (const auto& r : rows) {
    ListRow row;
    row.num = store::ToInteger(r[0]);
    if (const auto* d = std::get_if<store::DbDateTime>(&r[1])) row.data = *d;
    row.bolla = store::ToText(r[2]);
    row.produttore = store::ToText(r[3]);
    row.nome = store::ToText(r[4]);
    row.programma = store::ToText(r[5]);
    row.macchina = store::ToInteger(r[6]);
    row.declaredKg = store::ToInteger(r[7]);
    row.sampledGrams = store::ToInteger(r[8]);
    out.push_back(std::move(row));
  }
  return out;
}

Response Csv(store::DbConnection& sql, const ListQuery& q) {
  std::string body = CsvLine({"num", "data", "bolla", "produttore", "nome_produttore", "programma", "macchina",
                              "kg_dichiarati", "grammi_campionati"});
  for (const auto& row : ReadRows(sql.Query(SelectSql(q, q.where), q.params)))
    body += CsvLine({std::to_string(row.num), row.data ? row.data->ToString() : std::string(), row.bolla,
                     row.produttore, row.nome, row.programma, std::to_string(row.macchina),
                     std::to_string(row.declaredKg), std::to_string(row.sampledGrams)});
  return Download("text/csv; charset=utf-8", "bolle.csv", std::move(body));
}

std::string Link(const ListQuery& q, const std::string& sort, bool descending, long long page,
                 const std::string& format = {}) {
  auto params = q.filterParams;
  params.emplace_back("sort", sort);
  params.emplace_back("dir", descending ? "desc" : "asc");
  if (page > 1) params.emplace_back("page", std::to_string(page));
  params.emplace_back("format", format);
  return "/batches?" + QueryString(params);
}

std::string FilterForm(const Request& request, const ListQuery& q) {
  const std::string& lang = request.language;
  auto field = [&](const char* name, const char* caption, const char* type) {
    return "<label>" + Html(Tr(lang, caption)) + " <input type=\"" + type + "\" name=\"" + name + "\" value=\"" +
           Html(Param(request, name)) + "\"></label>\n";
  };
  return "<form method=\"get\" action=\"/batches\" class=\"filters\">\n" +
         field("from", QT_TRANSLATE_NOOP("kv7::web", "Dal"), "date") +
         field("to", QT_TRANSLATE_NOOP("kv7::web", "Al"), "date") +
         field("producer", QT_TRANSLATE_NOOP("kv7::web", "Produttore"), "text") +
         field("program", QT_TRANSLATE_NOOP("kv7::web", "Programma"), "text") +
         field("machine", QT_TRANSLATE_NOOP("kv7::web", "Macchina"), "number") + "<input type=\"hidden\" name=\"sort\" value=\"" +
         Html(q.sort->word) + "\"><input type=\"hidden\" name=\"dir\" value=\"" + (q.descending ? "desc" : "asc") +
         "\">\n<button type=\"submit\">" + Html(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Filtra"))) +
         "</button>\n</form>\n";
}

std::string HeaderRow(const Request& request, const ListQuery& q) {
  std::string html = "<tr>";
  for (const auto& c : kColumns) {
    const bool current = c.word == q.sort->word;
    // A second click on the sorted column turns its direction.
    const bool descending = current ? !q.descending : true;
    html += "<th><a href=\"" + Html(Link(q, c.word, descending, 1)) + "\">" + Html(Tr(request.language, c.caption)) +
            (current ? (q.descending ? " &#9660;" : " &#9650;") : "") + "</a></th>";
  }
  return html + "<th>" + Html(Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Kg campionati"))) + "</th></tr>\n";
}

std::string BodyRow(const std::string& lang, const ListRow& row) {
  auto cell = [](const std::string& text, bool number = false) {
    return std::string(number ? "<td class=\"n\">" : "<td>") + Html(text) + "</td>";
  };
  const std::string num = std::to_string(row.num);
  return "<tr><td class=\"n\"><a href=\"/batch?num=" + num + "\">" + num + "</a></td>" +
         cell(row.data ? DateTimeText(lang, *row.data) : std::string()) + cell(row.bolla) + cell(row.produttore) +
         cell(row.nome) + cell(row.programma) + cell(std::to_string(row.macchina), true) +
         cell(Number(lang, static_cast<double>(row.declaredKg), 0), true) +
         cell(Number(lang, static_cast<double>(row.sampledGrams) / 1000.0, 1), true) + "</tr>\n";
}

std::string Pager(const Request& request, const ListQuery& q, long long total) {
  const std::string& lang = request.language;
  const long long pages = std::max(1LL, (total + kPageSize - 1) / kPageSize);
  std::string html = "<p class=\"pager\">";
  auto link = [&](long long page, const char* caption) {
    html += "<a href=\"" + Html(Link(q, q.sort->word, q.descending, page)) + "\">" + Html(Tr(lang, caption)) + "</a> ";
  };
  if (q.page > 1) {
    link(1, QT_TRANSLATE_NOOP("kv7::web", "Prima"));
    link(std::min(q.page - 1, pages), QT_TRANSLATE_NOOP("kv7::web", "Precedente"));
  }
  html += Html(Args(Tr(lang, QT_TRANSLATE_NOOP("kv7::web", "Pagina %1 di %2 (%3 bolle)")),
                    {Number(lang, static_cast<double>(q.page), 0), Number(lang, static_cast<double>(pages), 0),
                     Number(lang, static_cast<double>(total), 0)})) +
          " ";
  if (q.page < pages) {
    link(q.page + 1, QT_TRANSLATE_NOOP("kv7::web", "Successiva"));
    link(pages, QT_TRANSLATE_NOOP("kv7::web", "Ultima"));
  }
  return html + "</p>\n";
}

}  // namespace

Response BatchListPage(store::Database& db, const Request& request) {
  ListQuery q;
  std::string error;
  if (!ReadQuery(request, q, &error)) return ErrorPage(request, 400, error);
  try {
    store::DbConnection& sql = db.Connection();
    if (Param(request, "format") == "csv") return Csv(sql, q);
    const long long total = store::ToInteger(sql.QueryFirst("SELECT COUNT(*) FROM bolle b" + q.where, q.params)->Values()[0]);
    const auto nums = PageNumbers(sql, q);
    std::string in;
    for (std::size_t i = 0; i < nums.size(); ++i) in += i == 0 ? "?" : ", ?";
    const auto rows = nums.empty() ? std::vector<ListRow>{} : ReadRows(sql.Query(SelectSql(q, " WHERE b.num IN (" + in + ")"), nums));
    std::string body = FilterForm(request, q);
    body += "<p><a href=\"" + Html(Link(q, q.sort->word, q.descending, 1, "csv")) + "\">" +
            Html(Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Scarica CSV"))) + "</a></p>\n";
    body += "<table class=\"batches\">\n" + HeaderRow(request, q);
    for (const auto& row : rows) body += BodyRow(request.language, row);
    body += "</table>\n";
    if (rows.empty()) body += "<p>" + Html(Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Nessuna bolla"))) + "</p>\n";
    body += Pager(request, q, total);
    Response r;
    r.body = TitledPage(Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Bolle")), body, request.language);
    return r;
  } catch (const store::DbError&) {
    return ErrorPage(request, 503, Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Archivio non disponibile")));
  }
}

}  // namespace kv7::web
