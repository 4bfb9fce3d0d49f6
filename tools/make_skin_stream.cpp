// Writes the stored form of a skin data component's archive, the way the
// main window carries its current skin: the archive's length, then the
// archive.
//
//   make_skin_stream ARCHIVE OUTPUT
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "skin/memory_stream.h"
#include "skin/skin_stream.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_skin_stream ARCHIVE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<uint8_t> archive{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
    if (!in || archive.empty()) {
        std::cerr << "make_skin_stream: cannot read " << argv[1] << "\n";
        return 1;
    }
    skin::MemoryStream stored;
    skin::WriteSkinStream(skin::MemoryStream(archive), stored);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(stored.Bytes().data()),
              static_cast<std::streamsize>(stored.Size()));
    if (!out) {
        std::cerr << "make_skin_stream: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
