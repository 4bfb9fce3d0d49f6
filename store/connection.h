// A connection to the idiom database file.
#pragma once

#include <memory>
#include <string>

struct sqlite3;

namespace store {

class Connection {
  public:
    // Opens the file named by the connection string's data source. Throws
    // StoreError when the file is missing, cannot be opened or is not an
    // idiom database.
    void Open(const std::string& connStr);

    // Closes the connection; a record set that still reads from it keeps the
    // file open until it is closed too.
    void close();

    bool IsOpen() const { return db_ != nullptr; }

    // Gives back the memory map of the file and the cached pages, for a
    // connection that stays open unused: it reads through calls until a list
    // maps the file again.
    void ReleaseMemory();

    // The open database, shared with the record sets that run on it.
    const std::shared_ptr<sqlite3>& Database() const;

  private:
    std::shared_ptr<sqlite3> db_;
    std::string path_;
};

}  // namespace store
