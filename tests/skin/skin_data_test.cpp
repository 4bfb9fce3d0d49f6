#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin/little_endian.h"
#include "skin_data_fixture.h"
#include "text/utf8_path.h"

using namespace skin;
using skintest::States;

using skintest::Archive;
using skintest::BareSkin;
using skintest::FullSkin;
using skintest::kBare;
using skintest::kFull;
using skintest::kOlder;
using skintest::SkinDataTest;

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
    EXPECT_EQ(Applications(), 1);
    const SkinSnapshot skin = data->Skin();
    EXPECT_EQ(skin->SkinName, "Full");
    EXPECT_EQ(skin->Top.Image, States(1, 2, 30, 24));
    // "Close.bmp" finds the member stored as "close.bmp".
    ASSERT_EQ(skin->CaptionButtons.size(), 1u + 3u);
    EXPECT_EQ(skin->CaptionButtons[0].Image, States(4, 3, 18, 18));
    EXPECT_EQ(skin->CaptionButtons[0].Frame, 3);
    ASSERT_TRUE(skin->Scrollbar && skin->Tabs && skin->MenuBar && skin->ComboButton &&
                skin->SunkEdge);
    EXPECT_EQ(skin->Scrollbar->Frame, 23);
    EXPECT_EQ(skin->Tabs->Frame, 5);
    EXPECT_EQ(skin->MenuBar->Frame, 2);
    EXPECT_EQ(skin->ComboButton->Style, 2);
    EXPECT_EQ(skin->ComboButton->Image.Width(), 200);
    EXPECT_EQ(skin->ComboxArrow.Image.Width(), 68);
    EXPECT_EQ(skin->Track->Image, States(11, 2, 8, 8));
    EXPECT_EQ(skin->Track->Frame, 2);
    EXPECT_EQ(skin->TrackVert->Frame, 0);
    EXPECT_EQ(skin->Colours.Caption, PixelToColour(skintest::StateColour(1, 1)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SkinDataTest, ASkinWithoutTheOptionalPartsLeavesNoneOfThePreviousOnes) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, kBare);
    EXPECT_FALSE(data->NotLoaded());
    const SkinSnapshot skin = data->Skin();
    EXPECT_EQ(skin->SkinName, "Bare");
    EXPECT_TRUE(skin->Top.Image.Empty());
    EXPECT_FALSE(skin->Scrollbar);
    EXPECT_FALSE(skin->Tabs);
    EXPECT_FALSE(skin->MenuBar);
    EXPECT_FALSE(skin->ComboButton);
    EXPECT_FALSE(skin->SunkEdge);
    EXPECT_FALSE(skin->ExtraImages);
    EXPECT_TRUE(skin->ComboxArrow.Image.Empty());
    ASSERT_EQ(skin->CaptionButtons.size(), 3u);
    // The program's own track pictures stand in.
    ASSERT_TRUE(skin->Track && skin->TrackVert);
    EXPECT_EQ(skin->Track->Image, States(20, 1, 9, 4));
    EXPECT_EQ(skin->Track->Frame, 1);
    EXPECT_EQ(skin->TrackVert->Image, States(21, 1, 4, 9));
    EXPECT_EQ(skin->Colours.Caption, MakeColour(1, 2, 3));
    EXPECT_EQ(Applications(), 2);
}

TEST_F(SkinDataTest, SwitchingToTheCurrentSkinAppliesItAgainAndAnyOtherArchiveIsRead) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    const SkinSnapshot first = data->Skin();
    const Bitmap combo = first->ComboButton->Image, edge = first->SunkEdge->Image;
    const Bitmap arrow = first->ComboxArrow.Image, toolbar = first->Toolbar.Image;
    data->LoadFromStore(store, kFull);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(data->Skin(), first);
    EXPECT_EQ(Applications(), 2);

    // An archive that is refused leaves the skin not loaded: the same one is
    // read again, and so is the one that was current before.
    data->LoadFromStore(store, kOlder);
    data->LoadFromStore(store, kOlder);
    EXPECT_EQ(messages.size(), 2u);
    data->LoadFromStore(store, kFull);
    EXPECT_FALSE(data->NotLoaded());
    const SkinSnapshot skin = data->Skin();
    EXPECT_NE(skin, first);
    EXPECT_EQ(Applications(), 5);
    // The composed pictures come from the archive's, not from the last
    // composition.
    ASSERT_TRUE(skin->ComboButton && skin->SunkEdge);
    EXPECT_EQ(skin->ComboButton->Image, combo);
    // Each state of the button as loaded, mirrored in its place; the states
    // are plain, so they stay as they were and in their order.
    EXPECT_EQ(skin->ComboButton->Image2, States(6, 4, 17, 19));
    EXPECT_EQ(skin->SunkEdge->Image, edge);
    EXPECT_EQ(skin->SunkEdge->LeftWidth, 19 + 2);
    EXPECT_EQ(skin->ComboxArrow.Image, arrow);
    EXPECT_EQ(skin->Toolbar.Image, toolbar);
    EXPECT_EQ(skin->CaptionButtons.size(), 4u);
}

TEST_F(SkinDataTest, AnOlderArchiveKeepsTheOldObjectsAndStaysNotLoaded) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, kOlder);
    EXPECT_TRUE(data->NotLoaded());
    EXPECT_EQ(messages, (std::vector<std::string>{"This is Older Skin File\rPlease update to new "
                                                  "version !"}));
    EXPECT_EQ(data->Skin()->SkinName, "Full");
    ASSERT_TRUE(data->Skin()->Scrollbar);
    // The skin manager is told all the same.
    EXPECT_EQ(Applications(), 2);
    EXPECT_FALSE(data->LoadSkinStream());
}

TEST_F(SkinDataTest, AnIndexOutsideTheStoreDoesNothing) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, 3);
    data->LoadFromStore(store, -1);
    EXPECT_FALSE(data->NotLoaded());
    EXPECT_EQ(data->Skin()->SkinName, "Full");
    EXPECT_EQ(Applications(), 1);
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
    EXPECT_EQ(data->Skin()->SkinName, "Bare");
    // Reading form data loads but does not apply.
    EXPECT_EQ(Applications(), 0);
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
    EXPECT_EQ(data->Skin()->SkinName, "Full");
    EXPECT_EQ(Applications(), 1);

    const auto dialog = Make();
    dialog->SkinFormtype = TSkinFormType::sfDialog;
    dialog->SetSkinFile(utf8);
    EXPECT_FALSE(dialog->NotLoaded());
    EXPECT_EQ(Applications(), 1);
    std::filesystem::remove(path);

    // A missing file keeps the skin but marks it not loaded, silently.
    data->SetSkinFile(utf8);
    EXPECT_TRUE(data->NotLoaded());
    EXPECT_EQ(data->Skin()->SkinName, "Full");
    data->SetSkinFile(text::PathUtf8(std::filesystem::temp_directory_path()));
    EXPECT_TRUE(data->NotLoaded());
    EXPECT_EQ(Applications(), 1);
    EXPECT_TRUE(messages.empty());
}
