// Figures of the skin archives: prints, for `make bench`, the LZHUF decoding
// speed on each archive given, the program's decoder beside a plain C one
// (tests/bench/plain_lzhuf.c) on the same bytes, timed alternately, medians
// of several runs and the median of their per-run ratios; then the time of a
// whole ReadArchive. The largest archive's ratio is the one with a target.
//
//   skin_bench ARCHIVE...
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "plain_lzhuf.h"
#include "skin/little_endian.h"
#include "skin/lzh.h"
#include "skin/skin_reader.h"
#include "timing.h"

namespace {

constexpr int kRuns = 15;

// Decodes as ReadArchive does: into a memory stream.
std::vector<uint8_t> Decode(const std::vector<uint8_t>& archive) {
    skin::MemoryStream in(archive);
    std::vector<uint8_t> field(4);
    in.Read(field);
    const int32_t count = skin::ReadInt32Le(field.data());
    skin::MemoryStream payload;
    payload.Reserve(static_cast<size_t>(count));
    skin::TLZH().Decode(
        count, [&](std::span<const uint8_t> b) { payload.Write(b); },
        [&](std::span<uint8_t> b) { return in.Read(b); });
    return payload.Bytes();
}

// The plain decoder's input and output, in memory.
struct PlainStreams {
    const uint8_t* next;
    const uint8_t* end;
    std::vector<uint8_t> out;
    size_t count;  // the bytes of a last match beyond it are dropped
};

int PlainGetc(void* context) {
    auto* s = static_cast<PlainStreams*>(context);
    return s->next == s->end ? -1 : *s->next++;
}

void PlainPutc(void* context, int byte) {
    auto* s = static_cast<PlainStreams*>(context);
    if (s->out.size() < s->count)
        s->out.push_back(static_cast<uint8_t>(byte));
}

std::vector<uint8_t> PlainDecode(const std::vector<uint8_t>& archive) {
    const int32_t count = skin::ReadInt32Le(archive.data());
    PlainStreams streams{
        archive.data() + 4, archive.data() + archive.size(), {}, static_cast<size_t>(count)};
    streams.out.reserve(streams.count);
    PlainLzhufDecode(count, PlainGetc, PlainPutc, &streams);
    return std::move(streams.out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: skin_bench ARCHIVE...\n");
        return 2;
    }
    std::string largest;
    double largestRatio = 0;
    size_t largestPayload = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        const std::vector<uint8_t> archive(std::istreambuf_iterator<char>(file), {});
        if (!file || archive.size() < 4 || skin::ReadInt32Le(archive.data()) < 0) {
            std::fprintf(stderr, "skin_bench: cannot read %s\n", argv[i]);
            return 1;
        }
        std::vector<uint8_t> ours, plain;
        std::vector<double> oursMs, plainMs, ratios;
        for (int run = 0; run < kRuns; ++run) {
            // Alternately first, so that neither always finds the caches warm.
            const bool oursFirst = run % 2 == 0;
            double a = 0, b = 0;
            if (oursFirst)
                a = Milliseconds([&] { ours = Decode(archive); });
            b = Milliseconds([&] { plain = PlainDecode(archive); });
            if (!oursFirst)
                a = Milliseconds([&] { ours = Decode(archive); });
            oursMs.push_back(a);
            plainMs.push_back(b);
            ratios.push_back(b / a);
        }
        if (ours != plain) {
            std::fprintf(stderr, "skin_bench: the two decoders disagree on %s\n", argv[i]);
            return 1;
        }
        bool accepted = false;
        const double read = MedianMilliseconds(kRuns, [&] {
            skin::TSkinReader reader([](const std::string&) {});
            skin::MemoryStream stream(archive);
            accepted = reader.ReadArchive(stream);
        });
        const double payloadMb = ours.size() / 1e6;
        const double ratio = Median(ratios);
        std::printf(
            "  %s: %zu bytes, payload %zu bytes (%.1f:1)\n"
            "    decoding %.2f ms, %.1f MB/s; plain C decoder %.2f ms, %.1f MB/s; ours %.2fx its "
            "speed\n"
            "    ReadArchive %.2f ms%s\n",
            argv[i], archive.size(), ours.size(), static_cast<double>(ours.size()) / archive.size(),
            Median(oursMs), payloadMb / (Median(oursMs) / 1e3), Median(plainMs),
            payloadMb / (Median(plainMs) / 1e3), ratio, read, accepted ? "" : " (refused)");
        if (ours.size() > largestPayload) {
            largestPayload = ours.size();
            largest = argv[i];
            largestRatio = ratio;
        }
    }
    std::printf(
        "  LZH decoding on the largest archive (%s): %.2fx the plain C decoder's speed "
        "(target: at least 1.2x)\n",
        largest.c_str(), largestRatio);
    return 0;
}
