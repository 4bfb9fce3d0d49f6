// Whole-file reading and writing for the build-time programs; a failure
// throws, which ends the program with a message and fails the build.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/bmp_file.h"

namespace tools {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

inline void WriteBitmap(const std::filesystem::path& path, const pixels::Bitmap& bitmap) {
    const std::vector<uint8_t> file = skin::WriteBmp(bitmap);
    WriteFile(path, std::string(file.begin(), file.end()));
}

}  // namespace tools
