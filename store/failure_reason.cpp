#include "store/failure_reason.h"

#include <sqlite3.h>

namespace store {

std::string FailureReason(sqlite3* db) {
    switch (sqlite3_errcode(db)) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "文件正被另一个程序使用";
        case SQLITE_READONLY:
            return "文件是只读的";
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
            return "文件打不开";
        case SQLITE_IOERR:
            return "读写文件出错";
        case SQLITE_FULL:
            return "磁盘已满";
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return "文件已损坏";
    }
    return sqlite3_errmsg(db);
}

}  // namespace store
