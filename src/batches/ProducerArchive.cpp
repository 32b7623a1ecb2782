#include "batches/ProducerArchive.h"

#include "batches/BatchRules.h"
#include "store/DbSchema.h"

namespace kv7::batches {
namespace {

using store::DbValue;

// The row of the selection: both key columns, the code compared byte for byte.
const char* const kSelectedRow =
    " WHERE `num` = ? AND `codice` = ? AND CAST(`codice` AS BINARY) = CAST(? AS BINARY)";

std::vector<DbValue> KeyOf(const Producer& p) {
  return {p.num, p.codice, p.codice};
}

std::optional<Producer> FirstWithNumber(const std::vector<Producer>& list, std::int64_t n) {
  for (const auto& p : list)
    if (ParseInteger(p.codice) == n) return p;
  return std::nullopt;
}

Producer ProducerOf(const store::DbRow& row) {
  return {store::ToInteger(row[0]), store::ToText(row[1]), store::ToText(row[2])};
}

// The audit row of a change to one producer, keyed by its code.
audit::Change ProducerChange(const char* action, const std::optional<Producer>& before,
                             const std::optional<Producer>& after) {
  const auto fields = [](const std::optional<Producer>& p) -> std::optional<audit::Fields> {
    if (!p) return std::nullopt;
    return audit::Fields{{"num", p->num}, {"codice", p->codice}, {"descrizione", p->descrizione}};
  };
  const std::string key = after ? after->codice : before->codice;
  return {action, store::table::kProducers, key, fields(before), fields(after)};
}

}  // namespace

std::string Producer::ListText() const {
  std::string text(1, '(');
  text += RightAligned(std::to_string(num), 4);
  text += ") ";
  text += descrizione;
  return text;
}

std::vector<Producer> FillProducerList(store::Database& db) {
  if (!db.TableExists(store::table::kProducers)) return {};
  std::vector<Producer> list;
  for (const auto& row : db.Connection().Query(
           "SELECT `num`, `codice`, `descrizione` FROM `produttori` ORDER BY `num`, `codice`"))
    list.push_back({store::ToInteger(row[0]), store::ToText(row[1]), store::ToText(row[2])});
  return list;
}

std::optional<std::string> LookupProducerByCode(store::Database& db, const std::string& code) {
  auto row = db.Table(store::table::kProducers).FindFirst("codice", code);
  if (!row) return std::nullopt;
  return row->Text("descrizione");
}

std::optional<std::string> LookupProducerByCode(const std::vector<Producer>& list, const std::string& code) {
  for (const auto& p : list)
    if (p.codice == code) return p.descrizione;
  return std::nullopt;
}

std::int64_t ProposeProducerNumber(const std::vector<Producer>& list) {
  std::int64_t n = static_cast<std::int64_t>(list.size()) + 1;
  if (!FirstWithNumber(list, n)) return n;
  std::int64_t highest = 0;
  for (const auto& p : list) highest = std::max(highest, ParseInteger(p.codice).value_or(0));
  return highest + 1;
}

std::optional<std::int64_t> ProducerNumber(const std::string& codeText) {
  auto n = ParseInteger(codeText);
  if (!n || *n < INT32_MIN || *n > INT32_MAX) return std::nullopt;
  return n;
}

bool SaveProducer(store::Database& db, std::int64_t n, const std::string& description, const audit::Actor& who) {
  auto& c = db.Connection();
  audit::EnsureAuditTable(c);
  store::DbTransaction t(c);
  std::vector<Producer> list;
  for (const auto& row :
       c.Query("SELECT `num`, `codice`, `descrizione` FROM `produttori` ORDER BY `num`, `codice` FOR UPDATE"))
    list.push_back(ProducerOf(row));
  const std::string code = std::to_string(n);
  const auto found = FirstWithNumber(list, n);
  if (found) {
    auto key = KeyOf(*found);
    key.insert(key.begin(), {DbValue(code), DbValue(description)});
    c.Execute(std::string("UPDATE `produttori` SET `codice` = ?, `descrizione` = ?") + kSelectedRow, key);
    audit::Record(c, who, ProducerChange("modifica", *found, Producer{found->num, code, description}));
  } else {
    c.Execute("INSERT INTO `produttori` (`num`, `codice`, `descrizione`) VALUES (?, ?, ?)",
              {n, code, description});
    audit::Record(c, who, ProducerChange("nuova", std::nullopt, Producer{n, code, description}));
  }
  t.Commit();
  return !found;
}

void ModifyProducer(store::Database& db, const Producer& selected, std::int64_t n,
                    const std::string& description, const audit::Actor& who) {
  auto& c = db.Connection();
  audit::EnsureAuditTable(c);
  {
    store::DbTransaction t(c);
    const auto row = c.QueryFirst(std::string("SELECT `num`, `codice`, `descrizione` FROM `produttori`") +
                                      kSelectedRow + " FOR UPDATE",
                                  KeyOf(selected));
    if (row) {
      auto key = KeyOf(selected);
      key.insert(key.begin(), {DbValue(std::to_string(n)), DbValue(description)});
      c.Execute(std::string("UPDATE `produttori` SET `codice` = ?, `descrizione` = ?") + kSelectedRow, key);
      const Producer before = ProducerOf(*row);
      audit::Record(c, who, ProducerChange("modifica", before, Producer{before.num, std::to_string(n), description}));
      t.Commit();
      return;
    }
  }
  SaveProducer(db, n, description, who);
}

bool DeleteProducer(store::Database& db, const Producer& selected, const LogSink& log, const audit::Actor& who) {
  auto& c = db.Connection();
  audit::EnsureAuditTable(c);
  store::DbTransaction t(c);
  auto row = c.QueryFirst(std::string("SELECT `num`, `codice`, `descrizione` FROM `produttori`") +
                              kSelectedRow + " FOR UPDATE",
                          KeyOf(selected));
  if (!row) return false;
  const Producer before = ProducerOf(*row);
  WriteLog(log, LogLines("Produttore cancellato", {{"num", std::to_string(before.num)},
                                                    {"codice", before.codice},
                                                    {"descrizione", before.descrizione}}));
  c.Execute(std::string("DELETE FROM `produttori`") + kSelectedRow, KeyOf(selected));
  audit::Record(c, who, ProducerChange("cancella", before, std::nullopt));
  t.Commit();
  return true;
}

}  // namespace kv7::batches
