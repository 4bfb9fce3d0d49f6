#include "store/connection.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

#include "store/connection_string.h"
#include "store/failure_reason.h"
#include "store/store_error.h"
#include "text/utf8_path.h"

namespace store {
namespace {

namespace fs = std::filesystem;

// The table and the seven fields every statement relies on.
constexpr const char* kShapeCheck =
    "select ChengYu, SPingYin, PingYin, DianGu, ChuChu, LiZi, Diy from ChenYu limit 0";

// How long a statement waits for a lock another connection holds before the
// file is reported as in use. Under Windows every read lock passes through a
// short exclusive lock of one byte, so two connections of this program that
// start reading at the same moment meet there; a quarter of a second also
// outlasts another program's short write, and is hardly noticed when a lock
// stays.
constexpr int kLockWaitMs = 250;

}  // namespace

void Connection::Open(const std::string& connStr) {
    close();
    const std::string path = DataSourceOf(connStr);
    std::error_code ec;
    const fs::file_status status =
        path.empty() ? fs::file_status() : fs::status(text::Utf8Path(path), ec);
    if (!fs::exists(status)) {
        throw StoreError("找不到成语数据库文件“" + path + "”");
    }
    // A file the user marked read-only is opened for reading only, so that a
    // note save says so. Windows does that for every user; under Wine the
    // mark is a Unix permission, which the superuser passes.
    const bool readOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(
        path.c_str(), &raw, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    std::shared_ptr<sqlite3> db(raw, sqlite3_close_v2);
    if (rc != SQLITE_OK) {
        throw StoreError("无法打开成语数据库文件“" + path + "”：" +
                         (raw ? FailureReason(raw) : sqlite3_errstr(rc)));
    }
    sqlite3_busy_timeout(db.get(), kLockWaitMs);
    sqlite3_stmt* check = nullptr;
    const int prepared = sqlite3_prepare_v2(db.get(), kShapeCheck, -1, &check, nullptr);
    sqlite3_finalize(check);
    if (prepared == SQLITE_ERROR || prepared == SQLITE_NOTADB) {
        // No table of that shape, or no database at all.
        throw StoreError("“" + path + "”不是成语数据库");
    }
    if (prepared != SQLITE_OK) {
        // The file is there but cannot be read now: locked by another
        // program, or unreadable.
        throw StoreError("无法打开成语数据库文件“" + path + "”：" + FailureReason(db.get()));
    }
    db_ = std::move(db);
    path_ = path;
}

void Connection::ReleaseMemory() {
    if (!db_)
        return;
    sqlite3_exec(db_.get(), "pragma mmap_size = 0", nullptr, nullptr, nullptr);
    sqlite3_db_release_memory(db_.get());
}

void Connection::close() {
    db_.reset();
    path_.clear();
}

const std::shared_ptr<sqlite3>& Connection::Database() const {
    if (!db_)
        throw StoreError("成语数据库的连接没有打开");
    return db_;
}

}  // namespace store
