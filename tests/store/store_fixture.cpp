#include "store_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <random>

#include "store/connection_string.h"
#include "text/utf8_path.h"

StoreCopy::StoreCopy() {
    static std::atomic<int> counter{0};
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() /
           ("lexora-store-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
    std::filesystem::copy_file(LEXORA_STORE_FIXTURE, DatabasePath());
}

StoreCopy::~StoreCopy() {
    std::error_code ec;
    std::filesystem::permissions(DatabasePath(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::string StoreCopy::Directory() const {
    return text::PathUtf8(dir_) + static_cast<char>(std::filesystem::path::preferred_separator);
}

store::DataAccess StoreCopy::Access() const {
    store::DataAccess access;
    access.ConnStr = store::BuildConnStr(Directory());
    return access;
}

void StoreCopy::Execute(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(text::PathUtf8(DatabasePath()).c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}
