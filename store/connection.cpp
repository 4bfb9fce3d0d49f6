#include "store/connection.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

#include "store/connection_string.h"
#include "store/store_error.h"
#include "text/utf8_path.h"

namespace store {
namespace {

// The table and the seven fields every statement relies on.
constexpr const char* kShapeCheck =
    "select ChengYu, SPingYin, PingYin, DianGu, ChuChu, LiZi, Diy from ChenYu limit 0";

}  // namespace

void Connection::Open(const std::string& connStr) {
    close();
    const std::string path = DataSourceOf(connStr);
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(text::Utf8Path(path), ec)) {
        throw StoreError("找不到成语数据库文件“" + path + "”");
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::shared_ptr<sqlite3> db(raw, sqlite3_close_v2);
    if (rc != SQLITE_OK) {
        throw StoreError("无法打开成语数据库文件“" + path + "”：" +
                         (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
    }
    sqlite3_stmt* check = nullptr;
    const int prepared = sqlite3_prepare_v2(db.get(), kShapeCheck, -1, &check, nullptr);
    sqlite3_finalize(check);
    if (prepared != SQLITE_OK) {
        throw StoreError("“" + path + "”不是成语数据库");
    }
    // Read the file through a memory map: every command opens a connection of
    // its own, and the system's file cache then serves them all without a
    // read call per page.
    sqlite3_exec(db.get(), "pragma mmap_size = 268435456", nullptr, nullptr, nullptr);
    db_ = std::move(db);
    path_ = path;
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
