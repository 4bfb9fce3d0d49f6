// A private copy of the fixture idiom database, named IdiomDB.dll in a
// directory of its own, so that a test may change it.
#pragma once

#include <filesystem>
#include <string>

#include "store/data_access.h"

class StoreCopy {
  public:
    StoreCopy();
    ~StoreCopy();

    // The directory holding IdiomDB.dll, with a trailing separator.
    std::string Directory() const;
    std::filesystem::path DatabasePath() const { return dir_ / "IdiomDB.dll"; }
    // Data-access slots whose connection string names this copy.
    store::DataAccess Access() const;
    // Runs SQL on the copy directly, bypassing the store.
    void Execute(const std::string& sql) const;

  private:
    std::filesystem::path dir_;
};
