// Why SQLite refused a call, in words for the user of the dictionary: the
// conditions a user can meet and mend (another program holds the file, the
// file is read-only, the disk is full) are named in the program's language;
// anything else keeps SQLite's own text.
#pragma once

#include <string>

struct sqlite3;

namespace store {

// The reason of the last failed call on `db`.
std::string FailureReason(sqlite3* db);

}  // namespace store
