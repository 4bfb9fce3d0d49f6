#include "store/record_set.h"

#include <sqlite3.h>

#include "store/connection.h"
#include "store/failure_reason.h"
#include "store/store_error.h"

namespace store {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           sqlite3_strnicmp(a.data(), b.data(), static_cast<int>(a.size())) == 0;
}

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw StoreError(what + "：" + FailureReason(db));
}

// Runs one statement that returns no rows.
void Execute(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        Fail(db, "成语数据库写入失败");
    }
}

}  // namespace

std::string Field::Value() const {
    rs_.RequireRow();
    if (auto it = rs_.pending_.find(column_); it != rs_.pending_.end())
        return it->second;
    const auto* text = sqlite3_column_text(rs_.stmt_, column_);
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       sqlite3_column_bytes(rs_.stmt_, column_));
}

bool Field::IsNull() const {
    rs_.RequireRow();
    if (rs_.pending_.count(column_))
        return false;
    return sqlite3_column_type(rs_.stmt_, column_) == SQLITE_NULL;
}

void Field::SetValue(std::string value) {
    rs_.RequireRow();
    rs_.pending_[column_] = std::move(value);
}

RecordSet::RecordSet(const Connection& activeConnection)
    : connection_(activeConnection.Database()) {}

RecordSet::~RecordSet() {
    close();
}

void RecordSet::Open(const Statement& statement) {
    close();
    db_ = connection_.lock();
    if (!db_)
        throw StoreError("成语数据库的连接没有打开");
    // A list reads the file through a memory map: every command opens a
    // connection of its own, and the system's file cache then serves them
    // all without a read call per page.
    if (statement.readsManyRows)
        sqlite3_exec(db_.get(), "pragma mmap_size = 268435456", nullptr, nullptr, nullptr);
    if (sqlite3_prepare_v2(db_.get(), statement.sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
        Fail(db_.get(), "成语数据库查询失败");
    }
    for (size_t i = 0; i < statement.parameters.size(); ++i) {
        const std::string& p = statement.parameters[i];
        sqlite3_bind_text(stmt_, static_cast<int>(i + 1), p.data(), static_cast<int>(p.size()),
                          SQLITE_TRANSIENT);
    }
    eof_ = false;
    Step();
}

bool RecordSet::eof() const {
    return eof_;
}

Field RecordSet::Fields(std::string_view name) {
    RequireRow();
    const int column = ColumnOf(name);
    if (column < 0)
        throw StoreError("成语数据库中没有字段“" + std::string(name) + "”");
    return Field(*this, column);
}

void RecordSet::update() {
    RequireRow();
    if (pending_.empty())
        return;
    std::string sql = "update ChenYu set ";
    for (auto it = pending_.begin(); it != pending_.end(); ++it) {
        if (it != pending_.begin())
            sql += ", ";
        sql += "\"";
        sql += sqlite3_column_name(stmt_, it->first);
        sql += "\" = ?";
    }
    sql += " where rowid = ?";

    sqlite3* db = db_.get();
    Execute(db, "begin immediate");
    sqlite3_stmt* write = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &write, nullptr);
    if (rc == SQLITE_OK) {
        int index = 1;
        for (const auto& [column, value] : pending_) {
            sqlite3_bind_text(write, index++, value.data(), static_cast<int>(value.size()),
                              SQLITE_TRANSIENT);
        }
        sqlite3_bind_int64(write, index, sqlite3_column_int64(stmt_, 0));
        rc = sqlite3_step(write);
    }
    sqlite3_finalize(write);
    if (rc != SQLITE_DONE) {
        const std::string reason = FailureReason(db);
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
        throw StoreError("成语数据库写入失败：" + reason);
    }
    if (sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const std::string reason = FailureReason(db);
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
        throw StoreError("成语数据库写入失败：" + reason);
    }
}

void RecordSet::movenext() {
    RequireRow();
    Step();
}

void RecordSet::Step() {
    pending_.clear();
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return;
    eof_ = true;
    if (rc != SQLITE_DONE)
        Fail(db_.get(), "成语数据库读取失败");
}

void RecordSet::close() {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    db_.reset();
    eof_ = true;
    pending_.clear();
}

int RecordSet::ColumnOf(std::string_view name) const {
    const int count = sqlite3_column_count(stmt_);
    for (int i = 1; i < count; ++i) {
        if (EqualIgnoringCase(sqlite3_column_name(stmt_, i), name))
            return i;
    }
    return -1;
}

void RecordSet::RequireRow() const {
    if (!stmt_ || eof_)
        throw StoreError("记录集没有当前记录");
}

}  // namespace store
