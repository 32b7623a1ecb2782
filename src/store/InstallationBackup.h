#pragma once
// The installation backup: a text dump of the store's section "kv2", one
// value a line, "String(name)=text" or "Integer(name)=number", each ended by
// CR LF. The installation menu saves it ("kv2inst" unless the technician
// picks another file) and restores it.

#include <filesystem>

#include "store/ConfigStore.h"
#include "store/ConfigurationReport.h"

namespace kv7::store {

inline constexpr const char* kInstallationBackupFile = "kv2inst";

// Writes every value of "kv2" in stored order, replacing the file, for its
// owner only (0600: it carries the passwords' values). When the
// section does not exist nothing is written and an existing file is kept.
bool ExportInstallation(const ConfigStore& store, const std::filesystem::path& file,
                        const ReportSink& report = {});

// Writes every "String(" and "Integer(" line of the file into "kv2", all in
// one store write; other lines are skipped. Nothing is written when "kv2"
// does not exist yet, when the file cannot be read, or when a line is damaged
// (no ")=", no name, an Integer that is not a number); a last line without its
// line end is reported and left out.
bool ImportInstallation(ConfigStore& store, const std::filesystem::path& file, const ReportSink& report = {});

}  // namespace kv7::store
