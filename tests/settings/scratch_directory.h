// A fresh directory for one test's files, removed with everything in it when
// the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "text/utf8_path.h"

class ScratchDirectory {
  public:
    ScratchDirectory() {
        path_ = std::filesystem::temp_directory_path() /
                ("lexora-settings-" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // The path of a file in the directory, in UTF-8.
    std::string File(std::string_view name) const {
        return text::PathUtf8(path_ / text::Utf8Path(name));
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(text::Utf8Path(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(text::Utf8Path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}
