// The five skins the program carries, as the build packs them for the
// executable's resources.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fixed_look.h"
#include "recording_manager.h"
#include "skin/bitmap_reference.h"
#include "skin/bmp_file.h"
#include "skin/little_endian.h"
#include "skin/lzh.h"
#include "skin/skin_data.h"
#include "skin/skin_ini.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "test_skins.h"

using skin::MemoryStream;
using skin::SkinDefinition;
using skin::TSkinObject;

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

// The program's own bitmaps, as its resources give them.
skintest::Resources ProgramBitmaps() {
    skintest::Resources resources;
    for (const auto& [name, file] : {std::pair{"MENUGLYPHS", "menuglyphs.bmp"},
                                     {"TRACK", "track.bmp"},
                                     {"TRACKVERT", "trackvert.bmp"}})
        resources.pictures[name] = skin::ReadBmp(ReadFile(file)).value_or(pixels::Bitmap());
    return resources;
}

// The five skins in a store, loaded the way the skin menu loads them.
struct LoadedSkins {
    LoadedSkins() {
        for (int i = 0; i < 5; ++i)
            store.Store().Add().ReadDataStream(MemoryStream(Archive(i)));
    }

    skin::TSkinStore store;
    skintest::FixedLook look;
    skintest::Resources resources = ProgramBitmaps();
    std::vector<std::string> messages;
    skintest::ManagerSlotForTests managers;
    skintest::CountingWindowParts parts;
    skin::TSkinData data{{look, resources, [this](const std::string& m) { messages.push_back(m); },
                          managers.slot, parts}};
};

// The object is there, its picture loaded, and the picture holds its frame
// count of equal states side by side.
void ExpectStates(const TSkinObject* o, const char* what) {
    ASSERT_NE(o, nullptr) << what;
    ASSERT_FALSE(o->Image.Empty()) << what;
    EXPECT_GT(o->Frame, 0) << what;
    EXPECT_EQ(o->Image.Width() % std::max(o->Frame, 1), 0) << what;
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

TEST_P(EmbeddedSkin, HoldsADefinitionThatParsesAndEveryBitmapItNames) {
    MemoryStream archive(Archive(GetParam()));
    skin::TSkinReader reader([](const std::string&) {});
    ASSERT_TRUE(reader.ReadArchive(archive));
    MemoryStream definition;
    std::string name;
    reader.ExtractFirstMatching(".ini", definition, name);
    EXPECT_EQ(name, "skin.ini");
    const std::string text(definition.Bytes().begin(), definition.Bytes().end());
    EXPECT_EQ(text.rfind("[TitlebarSkin]", 0), 0u);
    skin::TSkinIni ini;
    ini.LoadFromStream(text);
    EXPECT_FALSE(ini.ReadString("TitlebarSkin", "SkinName", "").empty());
    EXPECT_GE(ini.FindSection("Personality"), 0);
    EXPECT_GE(ini.FindSection("Colours"), 0);
    // Every value that names a bitmap names a member that loads as one, and
    // every member but the definition is named.
    const skin::MemberLookup members = [&reader](const std::string& member) {
        MemoryStream out;
        reader.ExtractFile(member, out);
        return out.Bytes();
    };
    int named = 0;
    for (const std::string& line : ini.Lines()) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos || !line.ends_with(".bmp"))
            continue;
        ++named;
        EXPECT_FALSE(skin::LoadBitmapReference(line.substr(equals + 1), members).Empty()) << line;
    }
    EXPECT_EQ(named + 1, static_cast<int>(reader.Names().size()));
}

TEST_P(EmbeddedSkin, GivesEveryObjectTheWindowsAreDrawnWith) {
    LoadedSkins s;
    s.data.LoadFromStore(s.store, GetParam());
    ASSERT_FALSE(s.data.NotLoaded());
    EXPECT_TRUE(s.messages.empty());
    const skin::SkinSnapshot snapshot = s.data.Skin();
    const SkinDefinition& k = *snapshot;
    EXPECT_FALSE(k.SkinName.empty());
    // The frame: two states each, the sides side by side, top and bottom
    // stacked.
    for (const skin::TSkinBorderObject* b : {&k.Left, &k.Right}) {
        ASSERT_FALSE(b->Image.Empty());
        EXPECT_EQ(b->Frame, 2);
        EXPECT_EQ(b->Image.Width() % 2, 0);
    }
    for (const skin::TSkinBorderObject* b : {&k.Top, &k.Bottom}) {
        ASSERT_FALSE(b->Image.Empty());
        EXPECT_EQ(b->Frame, 2);
        EXPECT_EQ(b->Image.Height() % 2, 0);
    }
    // Caption buttons: close, maximise and restore in one place, minimise.
    std::vector<int> actions;
    for (const skin::TSkinSysButtonObject& b : k.CaptionButtons) {
        if (b.Visibility == 100)
            continue;  // the MDI child buttons the loader adds
        actions.push_back(b.Action);
        ASSERT_FALSE(b.Image.Empty() && b.Action != 3) << b.Name;
        if (!b.Image.Empty()) {
            EXPECT_EQ(b.Frame, 4) << b.Name;
            EXPECT_EQ(b.Image.Width() % 4, 0) << b.Name;
        }
    }
    for (int action : {0, 1, 2})
        EXPECT_NE(std::find(actions.begin(), actions.end(), action), actions.end()) << action;
    EXPECT_EQ(std::count(actions.begin(), actions.end(), 1), 2);

    EXPECT_EQ(k.Buttons.Frame, 5);
    EXPECT_EQ(k.Buttons.Image.Width() % 5, 0);
    EXPECT_FALSE(k.Buttons.Image.Empty());
    EXPECT_EQ(k.Buttons.CheckBoxImage.Width() % k.Buttons.CheckButtonFrame, 0);
    EXPECT_EQ(k.Buttons.RadioButtonImage.Width() % k.Buttons.RadioButtonFrame, 0);
    EXPECT_EQ(k.Buttons.CheckButtonFrame, 8);
    EXPECT_FALSE(k.Buttons.RadioButtonImage.Empty());

    ExpectStates(k.ComboButton.get(), "ComboButton");
    EXPECT_EQ(k.ComboButton->Style, 2);  // composed with the sunken edge
    ExpectStates(k.SunkEdge.get(), "SunkEdge");
    ExpectStates(k.ExtraImages.get(), "ExtraImages");
    ExpectStates(&k.ComboxArrow, "ComboxArrow");
    ExpectStates(k.Scrollbar.get(), "Scrollbar");
    EXPECT_EQ(k.Scrollbar->Frame, 23);
    ExpectStates(k.HorzScroll.get(), "HorzScroll");
    ExpectStates(k.VertScroll.get(), "VertScroll");
    ExpectStates(k.HorzScrollThumb.get(), "HorzScrollThumb");
    ExpectStates(k.VertScrollThumb.get(), "VertScrollThumb");
    ExpectStates(k.MenuItem.get(), "MenuItem");
    ExpectStates(k.MenuBackground.get(), "MenuBackground");
    ExpectStates(k.MenuBar.get(), "menuBar");
    ExpectStates(k.StatusBarEdges.get(), "StatusBarEdges");
    ExpectStates(k.Tabs.get(), "Tabs");
    EXPECT_FALSE(k.Tabs->Image2.Empty());
    ExpectStates(k.TabPane.get(), "Tab.Pane");
    ExpectStates(k.Progress.get(), "Progress");
    ExpectStates(k.ProgressChunk.get(), "Progress.Chunk");
    ExpectStates(k.TrackbarThumbHorz.get(), "Trackbar.ThumbHorz");
    ExpectStates(k.TrackbarThumbVert.get(), "Trackbar.ThumbVert");
    ExpectStates(k.TrackbarThumbLeft.get(), "Trackbar.ThumbLeft");
    ExpectStates(k.TrackbarThumbRight.get(), "Trackbar.ThumbRight");
    ExpectStates(k.TrackbarThumbUp.get(), "Trackbar.ThumbUp");
    ExpectStates(k.TrackbarThumbDown.get(), "Trackbar.ThumbDown");
    ExpectStates(k.UpDownHorz.get(), "UpDown.Horz");
    ExpectStates(k.UpDownVert.get(), "UpDown.Vert");
    for (const skin::TSkinBorderObject* u : {k.UpDownHorz.get(), k.UpDownVert.get()})
        EXPECT_EQ(u->Image2.Width() % u->Frame, 0);
    ExpectStates(k.Headerbar.get(), "Headerbar");
    // The skins draw no track of their own: the program's is used.
    ExpectStates(k.Track.get(), "Track");
    ExpectStates(k.TrackVert.get(), "TRACKVERT");

    // Every colour of the set is the skin's own, and the caption text has
    // its colours and its height.
    for (skin::Colour c :
         {k.Colours.WindowText, k.Colours.ButtonFace, k.Colours.Scrollbar, k.Colours.HilightText,
          k.Colours.Hilight, k.Colours.Menubar, k.Colours.Menu, k.Colours.MenuText,
          k.Colours.ButtonText, k.Colours.ButtonHilight, k.Colours.Buttonlight,
          k.Colours.ButtonShadow, k.Colours.ButtonDkShadow, k.Colours.MenuBarText,
          k.Colours.TitleTextActive, k.Colours.TitleTextNoActive})
        EXPECT_FALSE(skin::IsSystemColour(c) || c == skin::kNoColour);
    EXPECT_NE(k.Title.ActiveTextColour, skin::TSkinTitleObject::kNotGiven);
    EXPECT_NE(k.Title.InactiveTextColour, skin::TSkinTitleObject::kNotGiven);
    EXPECT_GT(k.Title.FontHeight, 0);
}

INSTANTIATE_TEST_SUITE_P(SkinItems, EmbeddedSkin, testing::Range(0, 5));

TEST(EmbeddedSkins, StoreTheFirstAsTheMainWindowsSkinStream) {
    MemoryStream stored(ReadFile("SkinStream.bin"));
    MemoryStream archive;
    ASSERT_TRUE(skin::ReadSkinStream(stored, archive));
    EXPECT_EQ(archive.Bytes(), Archive(0));
    EXPECT_EQ(stored.Size(), 4 + Archive(0).size());
}

TEST(EmbeddedSkins, AreFiveDifferentSkinsWithTheProgramsMenuGlyphs) {
    LoadedSkins s;
    ASSERT_EQ(s.data.MenuGlyphs().size(), 4u);
    std::vector<std::string> names;
    for (int i = 0; i < 5; ++i) {
        s.data.LoadFromStore(s.store, i);
        ASSERT_FALSE(s.data.NotLoaded()) << i;
        for (const std::string& other : names)
            EXPECT_NE(s.data.Skin()->SkinName, other);
        names.push_back(s.data.Skin()->SkinName);
    }
}
