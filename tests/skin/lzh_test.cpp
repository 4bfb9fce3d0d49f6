#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "skin/lzh.h"
#include "tools/lzh_encoder.h"

namespace {

// Packs a text of '0' and '1' (spaces ignored) into bytes, first bit at the top.
std::vector<uint8_t> Bits(std::string_view text) {
    std::vector<uint8_t> out;
    int n = 0;
    for (char c : text) {
        if (c == ' ')
            continue;
        if (n % 8 == 0)
            out.push_back(0);
        if (c == '1')
            out.back() |= static_cast<uint8_t>(0x80 >> (n % 8));
        ++n;
    }
    return out;
}

std::vector<uint8_t> Decode(const std::vector<uint8_t>& stream, int32_t count,
                            size_t* bytesRead = nullptr) {
    std::vector<uint8_t> out;
    size_t at = 0;
    skin::TLZH().Decode(
        count,
        [&](std::span<const uint8_t> bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); },
        [&](std::span<uint8_t> buffer) {
            size_t n = 0;
            for (; n < buffer.size() && at < stream.size(); ++n)
                buffer[n] = stream[at++];
            return n;
        });
    if (bytesRead)
        *bytesRead = at;
    return out;
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& data) {
    return Decode(LzhCompress(data), static_cast<int32_t>(data.size()));
}

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed, int alphabet = 256) {
    std::mt19937 random(seed);
    std::vector<uint8_t> out(n);
    for (auto& b : out)
        b = static_cast<uint8_t>(random() % alphabet);
    return out;
}

std::vector<uint8_t> Text(std::string_view s) {
    return {s.begin(), s.end()};
}

}  // namespace

TEST(Lzh, CodesDistancesWithTheStandardTables) {
    const auto& table = skin::lzh::kPositionCode;
    const std::pair<int, int> firstBytes[] = {{0, 0},    {1, 32},   {3, 64},   {4, 80},
                                              {11, 136}, {12, 144}, {23, 188}, {24, 192},
                                              {47, 238}, {48, 240}, {63, 255}};
    // The first byte of each of these values: the byte before it still
    // belongs to the value below.
    for (auto [upper, byte] : firstBytes) {
        EXPECT_EQ(table.code[byte], upper) << byte;
        if (byte > 0) {
            EXPECT_EQ(table.code[byte - 1], upper - 1) << byte;
        }
    }
    const std::pair<int, int> lengths[] = {{31, 3},  {32, 4},  {79, 4},  {80, 5},  {143, 5},
                                           {144, 6}, {191, 6}, {192, 7}, {239, 7}, {240, 8}};
    for (auto [byte, length] : lengths)
        EXPECT_EQ(table.length[byte], length) << byte;
}

// The fresh tree holds 314 leaves: symbols 116 to 313 take eight bits,
// numbered from 0 in symbol order, and symbols 0 to 115 take nine bits,
// numbered from 396. These answers were worked out from the tables' start,
// not from the code.
TEST(Lzh, DecodesTheCodesOfTheFreshTree) {
    EXPECT_EQ(Decode(Bits("00000000"), 1), Text("t"));     // symbol 116
    EXPECT_EQ(Decode(Bits("00000100"), 1), Text("x"));     // 120
    EXPECT_EQ(Decode(Bits("111001101"), 1), Text("A"));    // 65: 396 + 65
    EXPECT_EQ(Decode(Bits("111111111"), 1), Text("s"));    // 115: 511
    EXPECT_EQ(Decode(Bits("10001011"), 1), Text("\xff"));  // 255: 255 - 116
}

// After one "t" its count of 2 passes the counts of 1 above it, so its leaf
// changes place with the last of them, symbol 313, whose code 197 it takes.
TEST(Lzh, MovesACountedSymbolUpTheTree) {
    EXPECT_EQ(Decode(Bits("00000000 11000101"), 2), Text("tt"));
    // Code 0 is now symbol 313, a match of 60; distance field 0 repeats the
    // byte just written, which the copy keeps writing.
    EXPECT_EQ(Decode(Bits("00000000 00000000 000 000000"), 61), std::vector<uint8_t>(61, 't'));
}

// A match of 3 (symbol 256, code 140) at distance field 0 copies from just
// behind the first write position, 4036: the ring starts as spaces.
TEST(Lzh, ReadsMatchesIntoTheSpacesBeforeTheData) {
    EXPECT_EQ(Decode(Bits("10001100 000 000000"), 3), Text("   "));
    // Field 4035, the farthest that still lands in the spaces: ring[0].
    // Upper bits 63 are the byte 255 alone (eight bits), then the low six.
    EXPECT_EQ(Decode(Bits("10001100 11111111 000011"), 3), Text("   "));
}

TEST(Lzh, CopiesMatchesThatOverlapTheirOwnOutput) {
    LzhEncoder encoder;
    encoder.Literal('a');
    encoder.Literal('b');
    encoder.Match(7, 2);   // "ababab" + "a": reads what it writes
    encoder.Match(3, 9);   // back to the start
    encoder.Match(60, 1);  // one byte sixty times
    const auto expected = Text(
        "ababababa"
        "aba" +
        std::string(60, 'a'));
    EXPECT_EQ(Decode(encoder.Finish(), static_cast<int32_t>(expected.size())), expected);
}

// Matches whose copy runs over the ring's end, on the writing side (the
// data starts 60 bytes before it) and on the reading side (a copy from
// before the end once the writing has wrapped), against a plain reading of
// what each token means.
TEST(Lzh, CopiesMatchesAcrossTheRingsEnd) {
    LzhEncoder encoder;
    std::vector<uint8_t> expected;
    auto literals = [&](int n) {
        for (int i = 0; i < n; ++i) {
            const auto byte = static_cast<uint8_t>('a' + (expected.size() * 7) % 26);
            encoder.Literal(byte);
            expected.push_back(byte);
        }
    };
    auto match = [&](int length, int distance) {
        encoder.Match(length, distance);
        for (int i = 0; i < length; ++i) {
            const ptrdiff_t from = static_cast<ptrdiff_t>(expected.size()) - distance;
            expected.push_back(from < 0 ? ' ' : expected[static_cast<size_t>(from)]);
        }
    };
    literals(30);
    match(60, 7);  // writes over the end: positions 4066 to 29
    literals(5);
    match(40, 50);  // reads over the end: from 4080 on
    match(3, 4096);
    literals(4000);
    match(60, 4096);  // whole copies from exactly one ring back
    match(60, 100);
    EXPECT_EQ(Decode(encoder.Finish(), static_cast<int32_t>(expected.size())), expected);
}

// Input is read and output written in blocks, not a byte per call.
TEST(Lzh, ReadsAndWritesInBlocks) {
    const auto data = RandomBytes(100000, 5, 16);
    const auto stream = LzhCompress(data);
    size_t at = 0, reads = 0, writes = 0;
    std::vector<uint8_t> out;
    skin::TLZH().Decode(
        static_cast<int32_t>(data.size()),
        [&](std::span<const uint8_t> bytes) {
            ++writes;
            out.insert(out.end(), bytes.begin(), bytes.end());
        },
        [&](std::span<uint8_t> buffer) {
            ++reads;
            const size_t n = std::min(buffer.size(), stream.size() - at);
            std::copy_n(stream.begin() + static_cast<ptrdiff_t>(at), n, buffer.begin());
            at += n;
            return n;
        });
    EXPECT_EQ(out, data);
    EXPECT_LE(writes, data.size() / 4096 + 2);
    EXPECT_LE(reads, stream.size() / 1024 + 2);
}

TEST(Lzh, WritesExactlyTheCountAsked) {
    LzhEncoder encoder;
    encoder.Literal('x');
    encoder.Match(60, 1);
    const auto stream = encoder.Finish();
    // The match runs past the count: the decoder stops inside it.
    EXPECT_EQ(Decode(stream, 10), std::vector<uint8_t>(10, 'x'));
    // Nothing is read for nothing asked.
    size_t read = 1;
    EXPECT_TRUE(Decode(stream, 0, &read).empty());
    EXPECT_EQ(read, 0u);
    EXPECT_TRUE(Decode(stream, -5).empty());
}

// Missing input reads as zero bits: decoding goes on to the count.
TEST(Lzh, DecodesATruncatedStreamToTheCount) {
    const auto data = RandomBytes(5000, 7);
    auto stream = LzhCompress(data);
    stream.resize(stream.size() / 2);
    const auto out = Decode(stream, 5000);
    ASSERT_EQ(out.size(), 5000u);
    EXPECT_NE(out, data);
    EXPECT_EQ(Decode({}, 300).size(), 300u);
}

TEST(Lzh, LetsAnExceptionOfTheWriterPassAndStartsAfreshNextTime) {
    skin::TLZH lzh;
    const auto stream = LzhCompress(Text("hello, hello"));
    size_t at = 0;
    auto read = [&](std::span<uint8_t> buffer) {
        if (at == stream.size() || buffer.empty())
            return size_t{0};
        buffer[0] = stream[at++];
        return size_t{1};
    };
    EXPECT_THROW(lzh.Decode(
                     12, [](std::span<const uint8_t>) { throw std::runtime_error("full"); }, read),
                 std::runtime_error);
    at = 0;
    std::string out;
    lzh.Decode(
        12, [&](std::span<const uint8_t> b) { out.append(b.begin(), b.end()); }, read);
    EXPECT_EQ(out, "hello, hello");
}

TEST(Lzh, RoundTripsDataOfEverySizeAndKind) {
    for (size_t size : {0, 1, 2, 3, 4, 59, 60, 61, 4095, 4096, 4097, 10000}) {
        const auto random = RandomBytes(size, static_cast<uint32_t>(size));
        EXPECT_EQ(RoundTrip(random), random) << size << " random bytes";
        const auto fourValues = RandomBytes(size, 3, 4);
        EXPECT_EQ(RoundTrip(fourValues), fourValues) << size << " bytes of 4 values";
    }
    const std::vector<uint8_t> spaces(9000, ' ');
    EXPECT_EQ(RoundTrip(spaces), spaces);
    EXPECT_LT(LzhCompress(spaces).size(), 300u) << "runs become matches";
    // Repeats at the farthest distance a match reaches, 4096, and at one
    // beyond it.
    const std::vector<uint8_t> block = RandomBytes(4096, 11);
    std::vector<uint8_t> repeats = block;
    repeats.insert(repeats.end(), block.begin(), block.end());
    repeats.push_back(0x55);
    repeats.insert(repeats.end(), block.begin(), block.end());
    EXPECT_EQ(RoundTrip(repeats), repeats);
}

// Three megabytes of the idiom data: real text, and more symbols than the
// 32 454 after which the counts are halved (Reconst), many times over.
TEST(Lzh, RoundTripsMegabytesOfRealText) {
    std::ifstream in(LEXORA_REAL_TEXT, std::ios::binary);
    ASSERT_TRUE(in) << LEXORA_REAL_TEXT;
    std::vector<uint8_t> text(std::istreambuf_iterator<char>(in), {});
    text.resize(std::min<size_t>(text.size(), 3 << 20));
    ASSERT_GT(text.size(), 2u << 20);
    const auto stream = LzhCompress(text);
    EXPECT_LT(stream.size(), text.size() * 7 / 10) << "repeated text becomes matches";
    EXPECT_EQ(Decode(stream, static_cast<int32_t>(text.size())), text);
}
