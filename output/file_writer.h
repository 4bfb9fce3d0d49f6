// Writing a whole file at once.
#pragma once

#include <string>
#include <string_view>

namespace output {

// Creates (or replaces) the file and writes the bytes. Throws
// "Cannot create file "<path>". <the system's reason>" when the file cannot
// be created; a failure while writing removes the file again, so no file is
// left half written.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace output
