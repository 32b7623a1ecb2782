#pragma once
// The program archive (table `programmi`) as the program commands use it:
// the lists, loading a program for the editor or the board, saving and the
// two deletes. Plain C++ on a store::Database, so it can run on whichever
// thread owns the connection; database failures throw store::DbError.

#include <optional>
#include <string>

#include "audit/AuditTrail.h"
#include "programs/ProgramBlocks.h"
#include "programs/ProgramCodes.h"
#include "programs/ProgramEditorTexts.h"
#include "store/Database.h"

namespace kv7::programs {

// Every program in `num` order (at most 999); empty lists when the table is
// missing. Its Count() is the process-wide program count.
ProgramLists FillProgramLists(store::Database& db);

// A program as read for the editor: the record and what the editor shows.
struct LoadedProgram {
  store::ProgramRecord record;
  ProgramEditorTexts texts;
};
// The program whose code is `code` (an integer code is found by its value:
// the first program in `num` order whose code has it); nullopt when there is
// none.
std::optional<LoadedProgram> LoadProgramIntoEditor(store::Database& db, const std::string& code,
                                                   int multiplier);
// Program number n (the program whose code has the value n).
std::optional<LoadedProgram> LoadProgramByNumber(store::Database& db, int n, int multiplier);

// What LoadProgram needs to put program n on the board: the program (its
// record for the reports and batches, its texts for the editor) and the six
// "F" blocks with n at their head, for the configured line qualities and
// weight multiplier. nullopt when no program has code n or a stored limit
// is not a number.
struct BoardProgram {
  LoadedProgram program;
  LineBlocks blocks;
};
std::optional<BoardProgram> PrepareBoardProgram(store::Database& db, int n,
                                                const store::Configuration& config);

enum class SaveOutcome { Replaced, Inserted };
// Stores `record` under `code` in one transaction. An integer code is stored
// in its two-digit form and replaces the first program whose code has its
// value (or the row whose `num` is its value); otherwise a row is inserted
// with `num` = the code's value. A code that is not an integer can only replace a program
// that has exactly that code; with none, std::invalid_argument. The save
// and the delete record their audit row (`who`) in the transaction that writes.
SaveOutcome SaveProgram(store::Database& db, const store::ProgramRecord& record, const std::string& code,
                        const audit::Actor& who);


enum class DeleteOutcome { Deleted, NotFound, RefusedCurrent };
// The delete command for the listed code: a code that is not an integer is
// deleted by text; an integer code whose value is the current program's
// number (`currentProgram`, the number on the board; 0 or 9999 when none) is
// refused; any other is deleted by its value.
DeleteOutcome DeleteProgram(store::Database& db, const std::string& code, int currentProgram,
                            const audit::Actor& who);

}  // namespace kv7::programs
