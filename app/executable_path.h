// Where the program lies: the settings file and the idiom database are
// beside it.
#pragma once

#include <string>

// The full path of the executable (UTF-8).
std::string ExecutablePath();

// The directory of the executable with its trailing separator.
std::string ExecutableDirectory();
