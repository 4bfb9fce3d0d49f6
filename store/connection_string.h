// The connection string of the idiom database. It keeps the form the database
// has always been reached by; the store reads the file's path out of it.
#pragma once

#include <string>
#include <string_view>

namespace store {

// `exeDirectory` is the directory of the executable with its trailing path
// separator.
std::string BuildConnStr(std::string_view exeDirectory);

// The path after "Data Source=", up to the next ";".
std::string DataSourceOf(std::string_view connStr);

}  // namespace store
