// A record set: the rows of one statement, read one at a time from the first
// on, with the fields of the current row readable and writable by name.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/statements.h"

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Connection;
class RecordSet;

// One field of the current row.
class Field {
  public:
    // The value as text; a Null value reads as empty text.
    std::string Value() const;
    bool IsNull() const;
    // Sets the value for the current row; `update` writes it to the file.
    void SetValue(std::string value);

  private:
    friend class RecordSet;
    Field(RecordSet& rs, int column) : rs_(rs), column_(column) {}
    RecordSet& rs_;
    int column_;
};

class RecordSet {
  public:
    // The record set runs its statements on `activeConnection`.
    explicit RecordSet(const Connection& activeConnection);
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    // Runs the statement; the cursor stands on the first row, or at the end
    // when there is none. Throws StoreError when the store rejects it or the
    // connection has been closed.
    void Open(const Statement& statement);

    // Whether the cursor stands behind the last row.
    bool eof() const;

    // The field of the current row with that name (any letter case). Throws
    // StoreError for a name the table lacks or when there is no current row.
    Field Fields(std::string_view name);

    // Writes the fields set on the current row to the file in one
    // transaction: all of them, or none when the file refuses (StoreError).
    void update();

    void movenext();
    void close();

  private:
    friend class Field;
    void Step();
    int ColumnOf(std::string_view name) const;
    void RequireRow() const;

    // The connection's database; the record set keeps it open only while a
    // statement is open, so that closing both lets go of the file.
    std::weak_ptr<sqlite3> connection_;
    std::shared_ptr<sqlite3> db_;
    sqlite3_stmt* stmt_ = nullptr;
    bool eof_ = true;
    std::map<int, std::string> pending_;
};

}  // namespace store
