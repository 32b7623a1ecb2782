// kv7ctl config: the technician's access to the configuration store and the
// configuration record, through the same functions the console uses.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Command.h"
#include "audit/FileChanges.h"
#include "store/ConfigStore.h"
#include "store/Configuration.h"
#include "store/InstallationBackup.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage =
    "get SECTION KEY [--reveal] | set SECTION KEY VALUE [--dword] | show [--reveal] | install-string [--old-board] | save | "
    "export FILE | import FILE";

using kv7::store::ConfigStore;
using kv7::store::Configuration;

void Warn(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: config: %s\n", message.c_str());
}

int Usage() {
  return UsageError(std::string("config: usage: kv7ctl config ") + kUsage);
}

// A password (or its hash) is shown only when asked for: a listing ends up
// in tickets, screenshots and terminal scroll-back.
std::string Shown(const std::string& key, const std::string& value, bool reveal) {
  // An empty password is no secret: it says the built-in one holds.
  return reveal || value.empty() || !kv7::store::HoldsSecret(key) ? value : "********";
}

bool Revealed(const Args& a, std::size_t plainSize) {
  return a.size() == plainSize + 1 && a.back() == "--reveal";
}

// A store file that exists but cannot be read ends the command: showing
// defaults as the installation's settings would mislead the technician.
ConfigStore OpenStore() {
  ConfigStore store(ConfigStore::kDefaultRoot, ConfigStore::DefaultDirectory(), &Warn);
  if (store.ReadError()) {
    Warn(*store.ReadError());
    std::exit(1);
  }
  return store;
}

// Every value of the store's sections as "section/key" = text.
kv7::audit::NamedTexts StoreValues(const ConfigStore& store) {
  kv7::audit::NamedTexts values;
  for (const char* section : {"kv2", "kv", "custom", "log", "ports"}) {
    const auto entries = store.OpenSection(section);
    if (!entries) continue;
    for (const auto& v : *entries)
      values.emplace_back(std::string(section) + "/" + v.name,
                          v.type == kv7::store::ValueType::Text ? v.text : std::to_string(v.dword));
  }
  return values;
}

// The audit row of a write to the store that changed something.
void AuditStore(const char* action, const kv7::audit::NamedTexts& before, const ConfigStore& store) {
  store.Reload();
  const auto changes = kv7::audit::ChangedValues(before, StoreValues(store));
  if (changes.Empty()) return;
  RecordFileChange({action, store.FilePath().filename().string(), "installazione", changes.before, changes.after});
}
}  // namespace

int ConfiguredMachine() {
  const ConfigStore store;
  Configuration c;
  kv7::store::LoadConfiguration(c, store, [](const std::string&) {});
  return c.macchina;
}

namespace {

int Get(const Args& a) {
  const bool reveal = Revealed(a, 3);
  if (a.size() != 3 && !reveal) return Usage();
  ConfigStore store = OpenStore();
  auto v = store.Find(a[1], a[2]);
  if (!v) {
    Warn("no value \"" + a[2] + "\" in section \"" + a[1] + "\"");
    return 1;
  }
  std::string text = v->type == kv7::store::ValueType::Text ? v->text : std::to_string(v->dword);
  std::printf("%s\n", Shown(a[2], text, reveal).c_str());
  return 0;
}

int Set(const Args& a) {
  const bool dword = a.size() == 5 && a[4] == "--dword";
  if (a.size() != 4 && !dword) return Usage();
  ConfigStore store = OpenStore();
  const auto before = StoreValues(store);
  bool ok;
  if (dword) {
    auto n = kv7::store::ParseStoredNumber(a[3]);
    if (!n) return UsageError("config: set: '" + a[3] + "' is not a 32-bit integer");
    ok = store.WriteInteger(a[1], a[2], *n);
  } else {
    ok = store.WriteString(a[1], a[2], a[3]);
  }
  if (!ok) return UsageError("config: set: cannot write " + store.FilePath().string());
  AuditStore("imposta", before, store);
  return 0;
}

int Show(const Args& a) {
  const bool reveal = Revealed(a, 1);
  if (a.size() != 1 && !reveal) return Usage();
  ConfigStore store = OpenStore();
  Configuration c;
  kv7::store::LoadConfiguration(c, store, &Warn);
  for (const auto& [key, value] : kv7::store::ConfigurationValues(c))
    std::printf("%s=%s\n", key.c_str(), Shown(key, value, reveal).c_str());
  return 0;
}

int InstallString(const Args& a) {
  const bool oldBoard = a.size() == 2 && a[1] == "--old-board";
  if (a.size() != 1 && !oldBoard) return Usage();
  ConfigStore store = OpenStore();
  Configuration c;
  kv7::store::ApplyConfiguration(c, store, oldBoard, &Warn);
  std::printf("%s\n", c.InstallString.c_str());
  return 0;
}

int Save(const Args& a) {
  if (a.size() != 1) return Usage();
  ConfigStore store = OpenStore();
  const auto before = StoreValues(store);
  Configuration c;
  kv7::store::LoadConfiguration(c, store, &Warn);
  std::string failure;
  auto keep = [&failure](const std::string& m) { failure = m; };
  if (!kv7::store::SaveConfiguration(c, store, {}, keep)) return UsageError("config: save: " + failure);
  AuditStore("salva", before, store);
  return 0;
}

int Export(const Args& a) {
  if (a.size() != 2) return Usage();
  ConfigStore store = OpenStore();
  std::string failure;
  auto keep = [&failure](const std::string& m) { failure = m; };
  if (!kv7::store::ExportInstallation(store, a[1], keep)) return UsageError("config: export: " + failure);
  return 0;
}

int Import(const Args& a) {
  if (a.size() != 2) return Usage();
  ConfigStore store = OpenStore();
  const auto before = StoreValues(store);
  std::string failure;
  // A left-out last line is a warning; the failure, when there is one, is the
  // last message.
  auto keep = [&failure](const std::string& m) {
    if (!failure.empty()) Warn(failure);
    failure = m;
  };
  if (!kv7::store::ImportInstallation(store, a[1], keep)) return UsageError("config: import: " + failure);
  if (!failure.empty()) Warn(failure);
  AuditStore("ripristina", before, store);
  return 0;
}

int RunConfig(const Args& args) {
  if (args.empty()) return Usage();
  const std::string& op = args[0];
  if (op == "get") return Get(args);
  if (op == "set") return Set(args);
  if (op == "show") return Show(args);
  if (op == "install-string") return InstallString(args);
  if (op == "save") return Save(args);
  if (op == "export") return Export(args);
  if (op == "import") return Import(args);
  return Usage();
}

Registration reg("config", kUsage, &RunConfig);

}  // namespace
}  // namespace kv7ctl
