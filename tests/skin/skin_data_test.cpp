#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fixed_look.h"
#include "skin/little_endian.h"
#include "skin/skin_data.h"
#include "test_skins.h"
#include "text/utf8_path.h"
#include "tools/skin_archive_writer.h"

using namespace skin;
using skintest::States;

namespace {

std::vector<uint8_t> Text(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A skin with most optional parts, its own track pictures and a composed
// combo box.
std::vector<SkinArchiveMember> FullSkin() {
    return {
        {"skin.ini", Text("[TitlebarSkin]\nSkinName=Full\n"
                          "[Personality]\nTop=top.bmp\nTopFrame=2\nLeft=side.bmp\nLeftFrame=2\n"
                          "Right=side.bmp\nBottom=top.bmp\nmenuBar=bar.bmp\n"
                          "[Colours]\nButtonFace=236 233 216\n"
                          "[Button1]\nAction=0\nButtonImage=Close.bmp\nAlign=1\nXcoord=22\n"
                          "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=3\nRightWidth=3\n"
                          "[ComboButton]\nImage=combo.bmp\n"
                          "[SunkEdge]\nImage=edge.bmp\nLeftWidth=1\nRightWidth=1\n"
                          "[ExtraImages]\nImage=glyphs.bmp\n"
                          "[Scrollbar]\nImage=scroll.bmp\n"
                          "[Tabs]\nImage=tabs.bmp\nBorder=edge.bmp\n"
                          "[Track]\nImage=track.bmp\nFrame=2\n"
                          "[TRACKVERT]\nImage=trackv.bmp\n")},
        {"top.bmp", WriteBmp(States(1, 2, 30, 24))},
        {"side.bmp", WriteBmp(States(2, 2, 4, 30))},
        {"bar.bmp", WriteBmp(States(3, 2, 20, 19))},
        {"close.bmp", WriteBmp(States(4, 3, 18, 18))},
        {"buttons.bmp", WriteBmp(States(5, 5, 16, 20))},
        {"combo.bmp", WriteBmp(States(6, 4, 17, 19))},
        {"edge.bmp", WriteBmp(States(7, 4, 6, 6))},
        {"glyphs.bmp", WriteBmp(States(8, 5, 7, 4))},
        {"scroll.bmp", WriteBmp(States(9, 23, 17, 17))},
        {"tabs.bmp", WriteBmp(States(10, 5, 10, 10))},
        {"track.bmp", WriteBmp(States(11, 2, 8, 8))},
        {"trackv.bmp", WriteBmp(States(12, 1, 8, 8))},
    };
}

// A skin with little more than a name: its optional parts are absent.
std::vector<SkinArchiveMember> BareSkin() {
    return {{"bare.ini", Text("[TitlebarSkin]\nSkinName=Bare\n[Colours]\nButtonFace=1 2 3\n")}};
}

std::vector<uint8_t> Archive(const std::vector<SkinArchiveMember>& members) {
    return PackSkinArchive(BuildSkinPayload(members));
}

// An archive whose payload does not begin with the magic.
std::vector<uint8_t> OlderArchive() {
    std::vector<uint8_t> payload = BuildSkinPayload(FullSkin());
    payload[0] = 0x1F;
    return PackSkinArchive(payload);
}

class SkinDataTest : public ::testing::Test {
  protected:
    SkinDataTest() {
        resources.pictures["TRACK"] = States(20, 1, 9, 4);
        resources.pictures["TRACKVERT"] = States(21, 1, 4, 9);
        resources.pictures["MENUGLYPHS"] = States(22, 4, 16, 16);
        for (const auto& archive : {Archive(FullSkin()), Archive(BareSkin()), OlderArchive()})
            store.Store().Add().ReadDataStream(MemoryStream(archive));
    }

    std::unique_ptr<TSkinData> Make() {
        auto data = std::make_unique<TSkinData>(
            look, resources, [this](const std::string& text) { messages.push_back(text); });
        data->SetApplyHook([this](TSkinData& applied) {
            ++applications;
            EXPECT_EQ(&applied, current);
        });
        current = data.get();
        return data;
    }

    skintest::FixedLook look;
    skintest::Resources resources;
    TSkinStore store;
    std::vector<std::string> messages;
    int applications = 0;
    const TSkinData* current = nullptr;
};

enum { kFull = 0, kBare = 1, kOlder = 2 };

}  // namespace

TEST_F(SkinDataTest, StartsNotLoadedWithTheMenuGlyphsAndTheScreenSize) {
    const auto data = Make();
    EXPECT_TRUE(data->NotLoaded());
    ASSERT_EQ(data->MenuGlyphs().size(), 4u);
    EXPECT_EQ(data->MenuGlyphs()[0], Bitmap(16, 16, skintest::StateColour(22, 1)));
    EXPECT_EQ(data->MenuGlyphs()[3], Bitmap(16, 16, skintest::StateColour(22, 4)));
    EXPECT_EQ(data->MaximizedWindowSize(), (Size{1024, 738}));
    resources.pictures.clear();
    EXPECT_TRUE(Make()->MenuGlyphs().empty());
}

TEST_F(SkinDataTest, LoadsAStoreItemAndAppliesIt) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(applications, 1);
    const SkinDefinition& skin = data->Skin();
    EXPECT_EQ(skin.SkinName, "Full");
    EXPECT_EQ(skin.Top.Image, States(1, 2, 30, 24));
    // "Close.bmp" finds the member stored as "close.bmp".
    ASSERT_EQ(skin.CaptionButtons.size(), 1u + 3u);
    EXPECT_EQ(skin.CaptionButtons[0].Image, States(4, 3, 18, 18));
    EXPECT_EQ(skin.CaptionButtons[0].Frame, 3);
    ASSERT_TRUE(skin.Scrollbar && skin.Tabs && skin.MenuBar && skin.ComboButton && skin.SunkEdge);
    EXPECT_EQ(skin.Scrollbar->Frame, 23);
    EXPECT_EQ(skin.Tabs->Frame, 5);
    EXPECT_EQ(skin.MenuBar->Frame, 2);
    EXPECT_EQ(skin.ComboButton->Style, 2);
    EXPECT_EQ(skin.ComboButton->Image.Width(), 200);
    EXPECT_EQ(skin.ComboxArrow.Image.Width(), 68);
    EXPECT_EQ(skin.Track->Image, States(11, 2, 8, 8));
    EXPECT_EQ(skin.Track->Frame, 2);
    EXPECT_EQ(skin.TrackVert->Frame, 0);
    EXPECT_EQ(skin.Colours.Caption, PixelToColour(skintest::StateColour(1, 1)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SkinDataTest, ASkinWithoutTheOptionalPartsLeavesNoneOfThePreviousOnes) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, kBare);
    EXPECT_FALSE(data->NotLoaded());
    const SkinDefinition& skin = data->Skin();
    EXPECT_EQ(skin.SkinName, "Bare");
    EXPECT_TRUE(skin.Top.Image.Empty());
    EXPECT_FALSE(skin.Scrollbar);
    EXPECT_FALSE(skin.Tabs);
    EXPECT_FALSE(skin.MenuBar);
    EXPECT_FALSE(skin.ComboButton);
    EXPECT_FALSE(skin.SunkEdge);
    EXPECT_FALSE(skin.ExtraImages);
    EXPECT_TRUE(skin.ComboxArrow.Image.Empty());
    ASSERT_EQ(skin.CaptionButtons.size(), 3u);
    // The program's own track pictures stand in.
    ASSERT_TRUE(skin.Track && skin.TrackVert);
    EXPECT_EQ(skin.Track->Image, States(20, 1, 9, 4));
    EXPECT_EQ(skin.Track->Frame, 1);
    EXPECT_EQ(skin.TrackVert->Image, States(21, 1, 4, 9));
    EXPECT_EQ(skin.Colours.Caption, MakeColour(1, 2, 3));
    EXPECT_EQ(applications, 2);
}

TEST_F(SkinDataTest, SwitchingToTheCurrentSkinReloadsItFromTheArchive) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    const SkinDefinition& skin = data->Skin();
    const Bitmap combo = skin.ComboButton->Image, edge = skin.SunkEdge->Image;
    const Bitmap arrow = skin.ComboxArrow.Image, toolbar = skin.Toolbar.Image;
    // The composed pictures come from the archive's, not from the last
    // composition.
    data->LoadFromStore(store, kFull);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(applications, 2);
    ASSERT_TRUE(skin.ComboButton && skin.SunkEdge);
    EXPECT_EQ(skin.ComboButton->Image, combo);
    // Each state of the button as loaded, mirrored in its place; the states
    // are plain, so they stay as they were and in their order.
    EXPECT_EQ(skin.ComboButton->Image2, States(6, 4, 17, 19));
    EXPECT_EQ(skin.SunkEdge->Image, edge);
    EXPECT_EQ(skin.SunkEdge->LeftWidth, 19 + 2);
    EXPECT_EQ(skin.ComboxArrow.Image, arrow);
    EXPECT_EQ(skin.Toolbar.Image, toolbar);
    EXPECT_EQ(skin.CaptionButtons.size(), 4u);
}

TEST_F(SkinDataTest, AnOlderArchiveKeepsTheOldObjectsAndStaysNotLoaded) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, kOlder);
    EXPECT_TRUE(data->NotLoaded());
    EXPECT_EQ(messages, (std::vector<std::string>{"This is Older Skin File\rPlease update to new "
                                                  "version !"}));
    EXPECT_EQ(data->Skin().SkinName, "Full");
    ASSERT_TRUE(data->Skin().Scrollbar);
    // The skin manager is told all the same.
    EXPECT_EQ(applications, 2);
    EXPECT_FALSE(data->LoadSkinStream());
}

TEST_F(SkinDataTest, AnIndexOutsideTheStoreDoesNothing) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, 3);
    data->LoadFromStore(store, -1);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(data->Skin().SkinName, "Full");
    EXPECT_EQ(applications, 1);
}

TEST_F(SkinDataTest, ReadsAndWritesTheStoredFormOfItsArchive) {
    const std::vector<uint8_t> archive = Archive(BareSkin());
    MemoryStream stored;
    stored.Write(Int32Le(static_cast<int32_t>(archive.size())));
    stored.Write(archive);
    stored.Rewind();

    const auto data = Make();
    data->ReadSkinStream(stored);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(data->Skin().SkinName, "Bare");
    // Reading form data loads but does not apply.
    EXPECT_EQ(applications, 0);
    MemoryStream written;
    data->WriteSkinStream(written);
    EXPECT_EQ(written.Bytes(), stored.Bytes());

    const auto empty = Make();
    MemoryStream zero(std::vector<uint8_t>(4, 0));
    empty->ReadSkinStream(zero);
    EXPECT_TRUE(empty->NotLoaded());
    MemoryStream none;
    empty->WriteSkinStream(none);
    EXPECT_EQ(none.Bytes(), std::vector<uint8_t>(4, 0));
}

TEST_F(SkinDataTest, LoadsASkinFileAndAppliesItOnlyForTheMainWindow) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "lexora_skin_data_test.skin";
    {
        std::ofstream file(path, std::ios::binary);
        const std::vector<uint8_t> archive = Archive(FullSkin());
        file.write(reinterpret_cast<const char*>(archive.data()),
                   static_cast<std::streamsize>(archive.size()));
    }
    const std::string utf8 = text::PathUtf8(path);
    const auto data = Make();
    data->SetSkinFile(utf8);
    EXPECT_EQ(data->SkinFile(), utf8);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(data->Skin().SkinName, "Full");
    EXPECT_EQ(applications, 1);

    const auto dialog = Make();
    dialog->SkinFormtype = TSkinFormType::sfDialog;
    dialog->SetSkinFile(utf8);
    EXPECT_FALSE(dialog->NotLoaded());
    EXPECT_EQ(applications, 1);
    std::filesystem::remove(path);

    // A missing file keeps the skin but marks it not loaded, silently.
    current = data.get();
    data->SetSkinFile(utf8);
    EXPECT_TRUE(data->NotLoaded());
    EXPECT_EQ(data->Skin().SkinName, "Full");
    data->SetSkinFile(text::PathUtf8(std::filesystem::temp_directory_path()));
    EXPECT_TRUE(data->NotLoaded());
    EXPECT_EQ(applications, 1);
    EXPECT_TRUE(messages.empty());
}
