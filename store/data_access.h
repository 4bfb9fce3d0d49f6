// The data-access slots of the main window and the one pattern in which every
// command opens a statement: a new connection, a new record set on it, the
// statement opened on the record set. A replaced object is released; a
// connection still open closes then.
#pragma once

#include <memory>
#include <string>

#include "store/connection.h"
#include "store/record_set.h"
#include "store/statements.h"

namespace store {

struct DataAccess {
    std::string ConnStr;
    std::unique_ptr<Connection> Conn;
    std::unique_ptr<RecordSet> Rs;

    // Steps 1 and 2 of the pattern: a new connection opened with ConnStr and
    // a new record set bound to it. The browse tree runs these once and then
    // opens one statement per letter.
    void OpenConnection();

    // All three steps.
    void OpenIdiomQuery(const Statement& statement);

    // Ends a command: the record set, then the connection. The name pairs
    // with OpenIdiomQuery and differs from a form's CloseQuery, which the
    // main window also has.
    void CloseIdiomQuery();
};

}  // namespace store
