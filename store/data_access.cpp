#include "store/data_access.h"

namespace store {

void DataAccess::OpenConnection() {
    Rs.reset();
    Conn = std::make_unique<Connection>();
    Conn->Open(ConnStr);
    Rs = std::make_unique<RecordSet>(*Conn);
}

void DataAccess::OpenIdiomQuery(const Statement& statement) {
    OpenConnection();
    Rs->Open(statement);
}

void DataAccess::CloseIdiomQuery() {
    if (Rs)
        Rs->close();
    if (Conn)
        Conn->close();
}

}  // namespace store
