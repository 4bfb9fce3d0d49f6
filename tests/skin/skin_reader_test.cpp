#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <optional>

#include "skin/bmp_file.h"
#include "skin/little_endian.h"
#include "skin/skin_reader.h"
#include "tools/skin_archive_writer.h"

using skin::MemoryStream;
using skin::TSkinReader;
using skintest::Bytes;

namespace {

const std::string kOlderSkin = "This is Older Skin File\rPlease update to new version !";

// A reader that records the messages it would show.
struct Reader {
    std::vector<std::string> messages;
    TSkinReader reader{[this](const std::string& text) { messages.push_back(text); }};

    bool Read(const std::vector<uint8_t>& archive) {
        MemoryStream stream(archive);
        return reader.ReadArchive(stream);
    }
    std::string Extract(std::string_view name) const {
        MemoryStream out;
        reader.ExtractFile(name, out);
        EXPECT_EQ(out.Position(), 0u);
        return {out.Bytes().begin(), out.Bytes().end()};
    }
};

std::vector<uint8_t> Archive(const std::vector<SkinArchiveMember>& members) {
    return PackSkinArchive(BuildSkinPayload(members));
}

// A payload written by hand: a magic, a name text and sizes of our choosing.
std::vector<uint8_t> Payload(int32_t magic, std::string_view names,
                             const std::vector<int32_t>& sizes, std::string_view data,
                             std::optional<int32_t> nameLength = {}) {
    std::vector<uint8_t> p;
    auto put = [&](int32_t v) {
        for (uint8_t b : skin::Int32Le(v))
            p.push_back(b);
    };
    put(magic);
    put(nameLength.value_or(static_cast<int32_t>(names.size())));
    p.resize(16, 0xAB);  // the eight bytes of no meaning
    p.insert(p.end(), names.begin(), names.end());
    for (int32_t s : sizes)
        put(s);
    p.insert(p.end(), data.begin(), data.end());
    return p;
}

const std::vector<SkinArchiveMember> kSkin = {
    {"Buttons.bmp", Bytes("BM buttons")},
    {"frametop.bmp", Bytes("BM top")},
    {"empty.bmp", {}},
    {"Skin.INI", Bytes("[TitlebarSkin]\r\nSkinName=Test\r\n")},
    {"second.ini.bak", Bytes("not this one")},
};

}  // namespace

TEST(SkinReader, FindsMembersInAnyLetterCase) {
    Reader r;
    ASSERT_TRUE(r.Read(Archive(kSkin)));
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.reader.Names(),
              (std::vector<std::string>{"buttons.bmp", "frametop.bmp", "empty.bmp", "skin.ini",
                                        "second.ini.bak"}));
    EXPECT_EQ(r.Extract("BUTTONS.BMP"), "BM buttons");
    EXPECT_EQ(r.Extract("buttons.bmp"), "BM buttons");
    EXPECT_EQ(r.Extract("FrameTop.Bmp"), "BM top");
    EXPECT_EQ(r.Extract("empty.bmp"), "");
    EXPECT_EQ(r.Extract("missing.bmp"), "");
    EXPECT_EQ(r.Extract("buttons"), "") << "whole names only";
}

TEST(SkinReader, ExtractFileEmptiesTheStreamFirst) {
    Reader r;
    ASSERT_TRUE(r.Read(Archive(kSkin)));
    MemoryStream out(Bytes("left over"));
    r.reader.ExtractFile("frametop.bmp", out);
    EXPECT_EQ(out.Bytes(), Bytes("BM top"));
    r.reader.ExtractFile("nothing.bmp", out);
    EXPECT_EQ(out.Size(), 0u);
}

// The definition is found by its extension, wherever it stands; the text is
// compared with the lower-cased names as given.
TEST(SkinReader, ExtractsTheFirstMemberWhoseNameContainsAText) {
    Reader r;
    ASSERT_TRUE(r.Read(Archive(kSkin)));
    MemoryStream out(Bytes("left over"));
    std::string name = "unchanged";
    r.reader.ExtractFirstMatching(".ini", out, name);
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(out.Position(), 0u);
    EXPECT_EQ(out.Bytes(), Bytes("[TitlebarSkin]\r\nSkinName=Test\r\n"));

    name = "unchanged";
    r.reader.ExtractFirstMatching(".INI", out, name);
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(out.Size(), 0u);
}

// The names are lines of any kind of break; an empty line is a member too.
TEST(SkinReader, SplitsTheNamesAtEveryKindOfLineBreak) {
    Reader r;
    ASSERT_TRUE(
        r.Read(PackSkinArchive(Payload(20000, "a\rb\nc\r\n\r\nE", {1, 2, 3, 0, 4}, "ABBCCCEEEE"))));
    EXPECT_EQ(r.reader.Names(), (std::vector<std::string>{"a", "b", "c", "", "e"}));
    EXPECT_EQ(r.Extract("a"), "A");
    EXPECT_EQ(r.Extract("B"), "BB");
    EXPECT_EQ(r.Extract("c"), "CCC");
    EXPECT_EQ(r.Extract("e"), "EEEE");
    // Sizes that leave bytes over are the archive's business.
    ASSERT_TRUE(r.Read(PackSkinArchive(Payload(20000, "x\r\n", {1}, "XYZ"))));
    EXPECT_EQ(r.Extract("x"), "X");
}

TEST(SkinReader, RefusesAnArchiveOfAnotherKindWithAMessage) {
    Reader r;
    ASSERT_TRUE(r.Read(Archive(kSkin)));
    EXPECT_FALSE(r.Read(PackSkinArchive(Payload(19999, "a.ini\r\n", {1}, "x"))));
    EXPECT_EQ(r.messages, std::vector<std::string>{kOlderSkin});
    EXPECT_TRUE(r.reader.Names().empty());
    EXPECT_EQ(r.Extract("buttons.bmp"), "") << "the earlier archive is gone";
}

// A size of 0 is an empty payload, which has no magic.
TEST(SkinReader, RefusesAnEmptyPayloadThroughTheMagic) {
    for (const auto& archive : {std::vector<uint8_t>{0, 0, 0, 0}, std::vector<uint8_t>{},
                                std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}}) {
        Reader r;
        EXPECT_FALSE(r.Read(archive));
        EXPECT_EQ(r.messages, std::vector<std::string>{kOlderSkin});
    }
}

// A cut stream decodes to garbage where the input ran out. Without the size
// the payload is empty; with too little stream for the size it is refused
// unread; otherwise the garbage is refused or makes members, which can only
// be bytes of the payload.
TEST(SkinReader, SurvivesATruncatedArchive) {
    const auto archive = Archive(kSkin);
    const size_t payloadSize = BuildSkinPayload(kSkin).size();
    for (size_t cut = 0; cut < archive.size(); ++cut) {
        Reader r;
        const bool accepted = r.Read(std::vector<uint8_t>(archive.begin(), archive.begin() + cut));
        EXPECT_EQ(r.messages.size(), cut < 4 ? 1u : 0u) << cut;
        if (cut < 4 + payloadSize / TSkinReader::kMaxExpansion) {
            EXPECT_FALSE(accepted) << cut;
        }
        size_t extracted = 0;
        for (const std::string& name : r.reader.Names())
            extracted += r.Extract(name).size();
        EXPECT_LE(extracted, payloadSize) << cut;
    }
}

// A stream of 100 bytes cannot hold 2 GB of payload, nor 5 000 bytes: it is
// refused before anything is decoded.
TEST(SkinReader, RefusesAPayloadSizeTheStreamCannotHold) {
    for (int32_t size :
         {INT32_MAX, 100 * TSkinReader::kMaxExpansion + 1, TSkinReader::kMaxPayload + 1}) {
        std::vector<uint8_t> archive(100, 0);
        const auto field = skin::Int32Le(size);
        std::copy(field.begin(), field.end(), archive.begin());
        Reader r;
        EXPECT_FALSE(r.Read(archive)) << size;
        EXPECT_TRUE(r.messages.empty()) << size;
    }
}

TEST(SkinReader, RefusesADirectoryThatRunsPastThePayload) {
    struct Case {
        const char* what;
        std::vector<uint8_t> payload;
    };
    const Case cases[] = {
        {"header cut short", {0x20, 0x4E, 0, 0, 1, 0}},
        {"name text past the end", Payload(20000, "a.ini\r\n", {}, "", 1000)},
        {"negative name length", Payload(20000, "a.ini\r\n", {1}, "x", -2)},
        {"size table past the end", Payload(20000, "a.ini\r\nb.bmp\r\n", {1}, "")},
        {"member past the end", Payload(20000, "a.ini\r\nb.bmp\r\n", {1, 5}, "xyz")},
        {"member size negative", Payload(20000, "a.ini\r\nb.bmp\r\n", {-1, 2}, "xyz")},
        {"sizes that wrap around", Payload(20000, "a\r\nb\r\n", {INT32_MAX, INT32_MAX}, "xyz")},
    };
    for (const Case& c : cases) {
        Reader r;
        EXPECT_FALSE(r.Read(PackSkinArchive(c.payload))) << c.what;
        EXPECT_TRUE(r.messages.empty()) << c.what;
        EXPECT_TRUE(r.reader.Names().empty()) << c.what;
    }
}

TEST(SkinReader, TakesAtMost1001Members) {
    std::vector<SkinArchiveMember> members(TSkinReader::kMaxMembers);
    for (size_t i = 0; i < members.size(); ++i)
        members[i] = {"m" + std::to_string(i) + ".bmp", Bytes(std::to_string(i))};
    Reader r;
    ASSERT_TRUE(r.Read(Archive(members)));
    EXPECT_EQ(r.Extract("M1000.BMP"), "1000");
    members.push_back({"one.too.many", {}});
    EXPECT_FALSE(r.Read(Archive(members)));
    EXPECT_TRUE(r.reader.Names().empty());
    // Nothing but line breaks: a million names are not even listed.
    EXPECT_FALSE(r.Read(PackSkinArchive(Payload(20000, std::string(1000000, '\n'), {}, ""))));
}

// Bitmaps as a skin holds them come out as they went in.
TEST(SkinReader, CarriesBitmapsUnchanged) {
    std::vector<SkinArchiveMember> members;
    std::vector<pixels::Bitmap> pictures;
    for (int i = 0; i < 6; ++i) {
        pixels::Bitmap b(30 + 17 * i, 12 + 5 * i, pixels::kMagenta);
        for (int y = 2; y < b.Height() - 2; ++y) {
            for (int x = 2; x < b.Width() - 2; ++x)
                b.At(x, y) = pixels::MakePixel(40 * i, 200 - y * 3, x * 2);
        }
        pictures.push_back(b);
        members.push_back({"picture" + std::to_string(i) + ".bmp", skin::WriteBmp(b)});
    }
    members.insert(members.begin() + 3,
                   {"skin.ini", Bytes("[Buttons]\r\nBitmap=picture0.bmp\r\n")});
    Reader r;
    ASSERT_TRUE(r.Read(Archive(members)));
    for (int i = 0; i < 6; ++i) {
        MemoryStream out;
        r.reader.ExtractFile("PICTURE" + std::to_string(i) + ".BMP", out);
        EXPECT_EQ(skin::ReadBmp(out.Bytes()), pictures[i]) << i;
    }
}
