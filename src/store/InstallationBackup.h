#pragma once
// The installation backup: a text dump of the store's section "kv2", one
// value a line, "String(name)=text" or "Integer(name)=number", each ended by
// CR LF. The installation menu saves it ("kv2inst" unless the technician
// picks another file) and restores it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

#include "store/ConfigStore.h"
#include "store/ConfigurationReport.h"

namespace kv7::store {

inline constexpr const char* kInstallationBackupFile = "kv2inst";

// Writes every value of "kv2" in stored order, replacing the file, for its
// owner only (0600: it carries the passwords' values). When the
// section does not exist nothing is written and an existing file is kept.
bool ExportInstallation(const ConfigStore& store, const std::filesystem::path& file,
                        const ReportSink& report = {});

// The settings of a backup: the "String(" and "Integer(" lines that name a
// key of the configuration record in "kv2" with the type the record saves it
// as (Integer for the numbers kept as integer values, String for the rest);
// a password only as a hash. Other lines are skipped. nullopt when the file
// cannot be read or a line is damaged (no ")=", no name, an Integer that is
// not a number); a last line without its line end is reported and left out.
std::optional<std::vector<StoredValue>> ReadInstallationBackup(const std::filesystem::path& file,
                                                               const ReportSink& report = {});

// How many of `values` the store does not already hold as they are.
std::size_t ChangedSettings(const ConfigStore& store, const std::vector<StoredValue>& values);

// Writes `values` into "kv2" in one store write; nothing when "kv2" does not
// exist yet or the store cannot be written (reported).
bool RestoreInstallation(ConfigStore& store, const std::vector<StoredValue>& values, const std::filesystem::path& file,
                         const ReportSink& report = {});

// ReadInstallationBackup, then RestoreInstallation; a file without settings
// is refused (reported) and writes nothing.
bool ImportInstallation(ConfigStore& store, const std::filesystem::path& file, const ReportSink& report = {});

}  // namespace kv7::store
