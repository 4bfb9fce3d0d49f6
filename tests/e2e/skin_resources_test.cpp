// The skins and skin bitmaps among Lexora.exe's resources are those the
// native build painted and packed.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resource_module.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(std::string(LEXORA_SKINS) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(SkinResources, AreTheArchivesThatWerePacked) {
    const ResourceModule exe(LEXORA_EXE);
    ASSERT_TRUE(exe.Loaded());
    for (int i = 0; i < 5; ++i) {
        const std::wstring name = L"SkinItem" + std::to_wstring(i);
        const std::vector<uint8_t> archive = ReadFile("SkinItem" + std::to_string(i) + ".lzh");
        ASSERT_FALSE(archive.empty());
        EXPECT_EQ(exe.Resource(name.c_str(), RT_RCDATA), archive) << i;
    }
    EXPECT_EQ(exe.Resource(L"SkinStream", RT_RCDATA), ReadFile("SkinStream.bin"));
}

TEST(SkinResources, AreTheBitmapsThatWerePainted) {
    const ResourceModule exe(LEXORA_EXE);
    ASSERT_TRUE(exe.Loaded());
    // A bitmap resource is its file without the 14-byte file header.
    for (const auto& [name, file] : {std::pair{L"MENUGLYPHS", "menuglyphs.bmp"},
                                     {L"TRACK", "track.bmp"},
                                     {L"TRACKVERT", "trackvert.bmp"}}) {
        const std::vector<uint8_t> bmp = ReadFile(file);
        ASSERT_GT(bmp.size(), 14u) << file;
        EXPECT_EQ(exe.Resource(name, RT_BITMAP), std::vector<uint8_t>(bmp.begin() + 14, bmp.end()))
            << file;
    }
}
