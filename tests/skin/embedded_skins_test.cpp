// The five skins the program carries, as the build packs them for the
// executable's resources.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/bmp_file.h"
#include "skin/little_endian.h"
#include "skin/lzh.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"

using skin::MemoryStream;

namespace {

std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(std::string(LEXORA_SKINS) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> Archive(int index) {
    return ReadFile("SkinItem" + std::to_string(index) + ".lzh");
}

std::vector<uint8_t> Payload(const std::vector<uint8_t>& archive) {
    const int32_t size = skin::ReadInt32Le(archive.data());
    size_t at = 4;
    std::vector<uint8_t> payload;
    skin::TLZH().Decode(
        size,
        [&](std::span<const uint8_t> bytes) {
            payload.insert(payload.end(), bytes.begin(), bytes.end());
        },
        [&](std::span<uint8_t> buffer) {
            const size_t n = std::min(buffer.size(), archive.size() - at);
            std::copy_n(archive.begin() + static_cast<std::ptrdiff_t>(at), n, buffer.begin());
            at += n;
            return n;
        });
    return payload;
}

class EmbeddedSkin : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(EmbeddedSkin, PayloadBeginsWithTheMagicAndItsSizesAddUp) {
    const std::vector<uint8_t> archive = Archive(GetParam());
    ASSERT_GT(archive.size(), 4u);
    const std::vector<uint8_t> payload = Payload(archive);
    ASSERT_EQ(payload.size(), static_cast<size_t>(skin::ReadInt32Le(archive.data())));
    ASSERT_GE(payload.size(), 16u);
    EXPECT_EQ(skin::ReadInt32Le(payload.data()), 20000);
    const int32_t length = skin::ReadInt32Le(payload.data() + 4);
    ASSERT_GT(length, 0);
    ASSERT_LE(16u + length, payload.size());
    const std::string names(payload.begin() + 16, payload.begin() + 16 + length);
    EXPECT_EQ(names.substr(names.size() - 2), "\r\n");  // the last line ends too
    std::vector<std::string> lines;
    for (size_t at = 0; at < names.size();) {
        const size_t end = names.find("\r\n", at);
        lines.push_back(names.substr(at, end - at));
        at = end + 2;
    }
    const size_t sizes = 16 + static_cast<size_t>(length);
    ASSERT_LE(sizes + 4 * lines.size(), payload.size());
    int64_t total = 0;
    int definitions = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        total += skin::ReadInt32Le(payload.data() + sizes + 4 * i);
        definitions += lines[i].find(".ini") != std::string::npos;
    }
    EXPECT_EQ(total, static_cast<int64_t>(payload.size() - sizes - 4 * lines.size()));
    EXPECT_EQ(definitions, 1);
}

TEST_P(EmbeddedSkin, HoldsItsDefinitionFirstAndEveryBitmapItNames) {
    MemoryStream archive(Archive(GetParam()));
    skin::TSkinReader reader([](const std::string&) {});
    ASSERT_TRUE(reader.ReadArchive(archive));
    MemoryStream definition;
    std::string name;
    reader.ExtractFirstMatching(".ini", definition, name);
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(reader.Names().front(), "skin.ini");
    const std::string text(definition.Bytes().begin(), definition.Bytes().end());
    EXPECT_EQ(text.rfind("[TitlebarSkin]", 0), 0u);
    // Every value naming a bitmap names a member that is one.
    int named = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        at = end + 2;
        if (!line.ends_with(".bmp"))
            continue;
        ++named;
        MemoryStream member;
        reader.ExtractFile(line.substr(line.find('=') + 1), member);
        EXPECT_TRUE(skin::ReadBmp(member.Bytes())) << line;
    }
    EXPECT_GE(named, 35);
    EXPECT_EQ(named + 1, static_cast<int>(reader.Names().size()));
}

INSTANTIATE_TEST_SUITE_P(SkinItems, EmbeddedSkin, testing::Range(0, 5));

TEST(EmbeddedSkins, StoreTheFirstAsTheMainWindowsSkinStream) {
    MemoryStream stored(ReadFile("SkinStream.bin"));
    MemoryStream archive;
    ASSERT_TRUE(skin::ReadSkinStream(stored, archive));
    EXPECT_EQ(archive.Bytes(), Archive(0));
    EXPECT_EQ(stored.Size(), 4 + Archive(0).size());
}
