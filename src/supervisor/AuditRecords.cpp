// The audit rows of the changes a person makes to files from the console:
// the installation, the program parameters, the costs and the company
// header. Each is recorded right after its file reached the disk.

#include "audit/FileChanges.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

audit::NamedTexts CostValues(const store::ProcessingCosts& costs) {
  audit::NamedTexts values;
  for (std::size_t i = 0; i < costs.persons.size(); ++i) {
    values.emplace_back("persone" + std::to_string(i + 1), costs.persons[i]);
    values.emplace_back("costo_orario" + std::to_string(i + 1), costs.hourlyCost[i]);
  }
  return values;
}

audit::NamedTexts HeaderValues(const store::CompanyHeader& header) {
  audit::NamedTexts values;
  for (std::size_t i = 0; i < header.lines.size(); ++i)
    // The file pads each line with blanks: they are no change.
    values.emplace_back("riga" + std::to_string(i + 1),
                        header.lines[i].substr(0, header.lines[i].find_last_not_of(' ') + 1));
  return values;
}

}  // namespace

audit::Actor Supervisor::Who(const char* window) const {
  return audit::ActorOf(config_.macchina, window);
}

void Supervisor::AuditFileChange(const char* window, const audit::Change& change) {
  if (!database_) return;
  std::string error;
  if (database_->IsConnected() || database_->Connect(&error)) {
    try {
      audit::RecordFileChange(database_->Connection(), Who(window), change);
      return;
    } catch (const store::DbError& e) {
      error = e.what();
    }
  }
  WriteLog("audit row not written (" + change.table + " " + change.action + "): " + error + "\r\n");
}

void Supervisor::AuditConfiguration(const char* window, const char* action, const std::string& key,
                                    const std::vector<std::pair<std::string, std::string>>& before) {
  const auto changes = audit::ChangedValues(before, store::ConfigurationValues(config_));
  if (changes.Empty()) return;
  AuditFileChange(window, {action, store_.FilePath().filename().string(), key, changes.before, changes.after});
}

void Supervisor::SaveCosts(const store::ProcessingCosts& costs) {
  const auto before = CostValues(costs_);
  if (store::SaveCosts(costs, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); })) {
    const auto changes = audit::ChangedValues(before, CostValues(costs));
    if (!changes.Empty()) AuditFileChange("TImpCosti", {"salva", store::kCostsFile, "costi", changes.before, changes.after});
  }
  ReloadCosts();
}

void Supervisor::Azienda1Click() {
  if (!reportWindows_) return;
  const auto edited = reportWindows_->EditCompanyHeader(companyHeader_);
  if (!edited) return;
  const auto say = [this](const std::string& m) { operator_.ShowMessage(m); };
  const auto before = HeaderValues(companyHeader_);
  if (store::SaveCompanyHeader(*edited, workDir_, say)) {
    store::LoadCompanyHeader(companyHeader_, workDir_, say);
    const auto changes = audit::ChangedValues(before, HeaderValues(companyHeader_));
    if (!changes.Empty())
      AuditFileChange("TImpAzienda", {"salva", store::kCompanyHeaderFile, "intestazione", changes.before, changes.after});
  } else {
    store::LoadCompanyHeader(companyHeader_, workDir_, say);
  }
  console_.ShowCompanyHeader(companyHeader_);
}

}  // namespace kv7::supervisor
