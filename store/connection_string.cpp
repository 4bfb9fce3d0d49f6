#include "store/connection_string.h"

namespace store {

std::string BuildConnStr(std::string_view exeDirectory) {
    std::string s = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
    s += exeDirectory;
    s += "IdiomDB.dll";
    s += ";Persist Security Info=False;Jet OLEDB:Database Password=qlmr.;";
    return s;
}

std::string DataSourceOf(std::string_view connStr) {
    constexpr std::string_view kKey = "Data Source=";
    const size_t start = connStr.find(kKey);
    if (start == std::string_view::npos)
        return {};
    const size_t begin = start + kKey.size();
    const size_t end = connStr.find(';', begin);
    return std::string(connStr.substr(begin, end == std::string_view::npos ? end : end - begin));
}

}  // namespace store
