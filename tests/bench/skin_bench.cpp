// Figures of the skin archives: prints, for `make bench`, the LZHUF decoding
// throughput on each archive given (payload bytes per second, the median of
// several runs) and the time of a whole ReadArchive, and names the largest.
//
//   skin_bench ARCHIVE...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "skin/little_endian.h"
#include "skin/lzh.h"
#include "skin/skin_reader.h"
#include "timing.h"

namespace {

// Decodes as ReadArchive does: byte by byte into a memory stream.
size_t Decode(const std::vector<uint8_t>& archive) {
    skin::MemoryStream in(archive);
    std::vector<uint8_t> field(4);
    in.Read(field);
    skin::MemoryStream payload;
    skin::TLZH().Decode(
        skin::ReadInt32Le(field.data()), [&](std::span<const uint8_t> b) { payload.Write(b); },
        [&](std::span<uint8_t> b) { return in.Read(b); });
    return payload.Size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: skin_bench ARCHIVE...\n");
        return 2;
    }
    std::string largest;
    double largestRate = 0;
    size_t largestPayload = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        const std::vector<uint8_t> archive(std::istreambuf_iterator<char>(file), {});
        if (!file || archive.size() < 4) {
            std::fprintf(stderr, "skin_bench: cannot read %s\n", argv[i]);
            return 1;
        }
        size_t payload = 0;
        const double decode = MedianMilliseconds(15, [&] { payload = Decode(archive); });
        bool accepted = false;
        const double read = MedianMilliseconds(15, [&] {
            skin::TSkinReader reader([](const std::string&) {});
            skin::MemoryStream stream(archive);
            accepted = reader.ReadArchive(stream);
        });
        const double rate = payload / 1e6 / (decode / 1e3);
        std::printf(
            "  %s: %zu bytes, payload %zu bytes (%.1f:1); decoding %.2f ms, %.1f MB/s; ReadArchive "
            "%.2f ms%s\n",
            argv[i], archive.size(), payload, static_cast<double>(payload) / archive.size(), decode,
            rate, read, accepted ? "" : " (refused)");
        if (payload > largestPayload) {
            largestPayload = payload;
            largest = argv[i];
            largestRate = rate;
        }
    }
    std::printf("  LZH decoding throughput on the largest archive (%s): %.1f MB/s\n",
                largest.c_str(), largestRate);
    return 0;
}
