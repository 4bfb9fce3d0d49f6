#include <gtest/gtest.h>

#include "lookup/search_history.h"
#include "settings/scratch_directory.h"
#include "text/gbk_text.h"

using lookup::HistoryBox;
using Entries = std::vector<std::string>;

namespace {

class SearchHistoryTest : public ::testing::Test {
  protected:
    // Types `text` into the box and runs a search that found something.
    void Search(HistoryBox& box, const std::string& text) {
        box.text = text;
        lookup::UpdateHistory(box, scratch);
    }

    ScratchDirectory dir;
    settings::SettingsFile ini{dir.File("配置文件.ini")};
    HistoryBox keyword;
    HistoryBox initials;
    Entries scratch;
};

}  // namespace

TEST_F(SearchHistoryTest, PutsTheSearchedTextFirstWithoutRepeats) {
    Search(keyword, "画龙");
    Search(keyword, "点睛");
    Search(keyword, "画龙");
    EXPECT_EQ(keyword.items, (Entries{"画龙", "点睛"}));
    EXPECT_EQ(keyword.text, "画龙");
}

TEST_F(SearchHistoryTest, StoresAndShowsTheTextTrimmed) {
    Search(keyword, "画龙");
    Search(keyword, "  点睛\t");
    EXPECT_EQ(keyword.items, (Entries{"点睛", "画龙"}));
    EXPECT_EQ(keyword.text, "点睛");
    Search(keyword, " 画龙 ");
    EXPECT_EQ(keyword.items, (Entries{"画龙", "点睛"}));
    // The working list starts with the text as typed.
    EXPECT_EQ(scratch, (Entries{" 画龙 ", "点睛"}));
}

TEST_F(SearchHistoryTest, TellsInitialsApartByCase) {
    Search(initials, "hl");
    Search(initials, "HL");
    EXPECT_EQ(initials.items, (Entries{"HL", "hl"}));
}

TEST_F(SearchHistoryTest, AnEmptySearchOnlyDropsRepeats) {
    WriteFileBytes(ini.Path(), "[KeyWord_List]\r\nItem1=A\r\nItem2=B\r\nItem3=A\r\nItem4= B\r\n");
    lookup::LoadHistories(ini.Read(), keyword, initials);
    EXPECT_EQ(keyword.items, (Entries{"A", "B", "A", "B"}));
    Search(keyword, "  ");
    EXPECT_EQ(keyword.items, (Entries{"A", "B"}));
    EXPECT_EQ(keyword.text, "");
}

TEST_F(SearchHistoryTest, LoadsTheFirstTenSlotsWithoutGaps) {
    WriteFileBytes(ini.Path(),
                   text::gbk::FromUtf8("[KeyWord_List]\r\nItem1=一\r\nItem2= 二 \r\nItem3=\r\n"
                                       "Item4=四\r\nItem5=   \r\nItem10=十\r\nItem11=十一\r\n"
                                       "[S_List]\r\nItem2=HL\r\n"));
    keyword.text = "typed";
    lookup::LoadHistories(ini.Read(), keyword, initials);
    EXPECT_EQ(keyword.items, (Entries{"一", "二", "四", "十"}));
    EXPECT_EQ(initials.items, (Entries{"HL"}));
    EXPECT_EQ(keyword.text, "typed");
}

TEST_F(SearchHistoryTest, NoFileGivesEmptyHistories) {
    lookup::LoadHistories(ini.Read(), keyword, initials);
    EXPECT_TRUE(keyword.items.empty());
    EXPECT_TRUE(initials.items.empty());
}

TEST_F(SearchHistoryTest, SavesEveryEntryAndReadsTheTenNewestBack) {
    for (int i = 1; i <= 12; ++i)
        Search(keyword, "词" + std::to_string(i));
    Search(initials, "AB");
    lookup::SaveHistories(ini, keyword, initials);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(ini.ReadString("KeyWord_List", "Item" + std::to_string(n), ""),
                  "词" + std::to_string(13 - n));
    }
    EXPECT_EQ(ini.ReadString("S_List", "Item1", ""), "AB");
    EXPECT_EQ(ini.ReadString("S_List", "Item2", "missing"), "");

    HistoryBox keywordAgain, initialsAgain;
    lookup::LoadHistories(ini.Read(), keywordAgain, initialsAgain);
    ASSERT_EQ(keywordAgain.items.size(), 10u);
    EXPECT_EQ(keywordAgain.items.front(), "词12");
    EXPECT_EQ(keywordAgain.items.back(), "词3");
    EXPECT_EQ(initialsAgain.items, (Entries{"AB"}));
}

TEST_F(SearchHistoryTest, AShorterHistoryEmptiesTheSlotsOfALongerOne) {
    keyword.items = {"一", "二", "三"};
    lookup::SaveHistories(ini, keyword, initials);
    keyword.items = {"四"};
    lookup::SaveHistories(ini, keyword, initials);
    HistoryBox keywordAgain, initialsAgain;
    lookup::LoadHistories(ini.Read(), keywordAgain, initialsAgain);
    EXPECT_EQ(keywordAgain.items, (Entries{"四"}));
}

TEST_F(SearchHistoryTest, ClearingEmptiesTheBoxAndItsSlots) {
    Search(keyword, "画龙");
    Search(initials, "HL");
    lookup::SaveHistories(ini, keyword, initials);

    lookup::ClearKeywordHistory(ini, keyword);
    EXPECT_EQ(keyword.text, "");
    EXPECT_TRUE(keyword.items.empty());
    EXPECT_EQ(ini.ReadString("S_List", "Item1", ""), "HL");

    lookup::ClearInitialsHistory(ini, initials);
    EXPECT_EQ(initials.text, "");
    EXPECT_TRUE(initials.items.empty());
    for (const char* section : {"KeyWord_List", "S_List"}) {
        for (int n = 1; n <= 10; ++n) {
            // The keys stay, with empty values.
            EXPECT_EQ(ini.ReadString(section, "Item" + std::to_string(n), "missing"), "")
                << section << n;
        }
    }
}
