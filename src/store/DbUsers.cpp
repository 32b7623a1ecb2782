#include "store/DbUsers.h"

#include <mysql.h>

#include <string_view>

namespace kv7::store {
namespace {

bool PlainText(std::string_view text, std::string_view alsoAllowed) {
  if (text.empty() || text.size() > 80) return false;
  for (char c : text) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                    alsoAllowed.find(c) != std::string_view::npos;
    if (!ok) return false;
  }
  return true;
}

// 'name'@'host' from checked texts, so no quote can be in them.
std::string Account(const ArchiveUser& user) {
  if (!PlainText(user.name, "-.")) throw DbError("invalid user name '" + user.name + "'");
  if (!PlainText(user.host, "-.%:")) throw DbError("invalid host '" + user.host + "'");
  return "'" + user.name + "'@'" + user.host + "'";
}

std::string Escaped(DbConnection& c, const std::string& text) {
  std::string out(text.size() * 2 + 1, '\0');
  const auto n = mysql_real_escape_string(c.Handle(), out.data(), text.data(), text.size());
  out.resize(n);
  return out;
}

// The server's text may quote the statement: the password never leaves.
DbError WithoutSecret(const DbError& e, const std::string& secret) {
  std::string text = e.what();
  for (auto at = text.find(secret); at != std::string::npos; at = text.find(secret, at))
    text.replace(at, secret.size(), "***");
  return DbError(text, e.Code(), e.SqlState());
}

}  // namespace

std::vector<std::string> ArchivePrivileges(bool readOnly) {
  if (readOnly) return {"SELECT"};
  return {"SELECT", "INSERT", "UPDATE", "DELETE", "CREATE"};
}

std::string CreateArchiveUser(DbConnection& admin, const std::string& database, const ArchiveUser& user,
                              const std::string& password) {
  const std::string account = Account(user);
  if (password.empty()) throw DbError("no password for " + account);
  std::string privileges;
  for (const auto& p : ArchivePrivileges(user.readOnly)) privileges += (privileges.empty() ? "" : ", ") + p;
  const std::string grant = privileges + " ON " + QuoteIdentifier(database) + ".* TO " + account;
  try {
    admin.ExecuteSql("CREATE USER " + account + " IDENTIFIED BY '" + Escaped(admin, password) + "'");
  } catch (const DbError& e) {
    throw WithoutSecret(e, password);
  }
  try {
    admin.ExecuteSql("GRANT " + grant);
  } catch (const DbError&) {
    try {
      admin.ExecuteSql("DROP USER " + account);
    } catch (const DbError&) {
      // The grant's failure is the one to tell.
    }
    throw;
  }
  return grant;
}

}  // namespace kv7::store
