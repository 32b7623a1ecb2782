#include "audit/FileChanges.h"

#include <algorithm>
#include <cctype>

namespace kv7::audit {
namespace {

constexpr const char* kMasked = "***";

const std::string* Find(const NamedTexts& values, const std::string& key) {
  for (const auto& [k, v] : values)
    if (k == key) return &v;
  return nullptr;
}

store::DbValue Shown(const std::string& key, const std::string& value) {
  return IsSecretKey(key) ? std::string(kMasked) : value;
}

}  // namespace

bool IsSecretKey(std::string_view key) {
  std::string lower(key);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower.find("password") != std::string::npos || lower.find("passwd") != std::string::npos;
}

ValueChanges ChangedValues(const NamedTexts& before, const NamedTexts& after) {
  ValueChanges changes;
  for (const auto& [key, value] : after) {
    const std::string* old = Find(before, key);
    if (old && *old == value) continue;
    if (old) changes.before.emplace_back(key, Shown(key, *old));
    changes.after.emplace_back(key, Shown(key, value));
  }
  for (const auto& [key, value] : before)
    if (!Find(after, key)) changes.before.emplace_back(key, Shown(key, value));
  return changes;
}

void RecordFileChange(store::DbConnection& connection, const Actor& actor, const Change& change) {
  EnsureAuditTable(connection);
  store::DbTransaction t(connection);
  Record(connection, actor, change);
  t.Commit();
}

}  // namespace kv7::audit
