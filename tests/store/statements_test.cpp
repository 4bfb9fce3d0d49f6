#include <gtest/gtest.h>

#include <vector>

#include "store/statements.h"
#include "store_fixture.h"

namespace {

// Every idiom of the fixture, in the dictionary order the store keeps.
const std::vector<std::string> kAllInOrder = {
    "阿鼻地狱",           "哀兵必胜", "爱屋及乌",   "安步当车", "按图索骥", "八面玲珑",
    "八仙过海，各显神通", "沧海桑田", "功到自然成", "海市蜃楼", "井底之蛙", "龃龉不合",
    "老马识途",           "莫须有",   "擿伏发奸",   "稀字测验", "一牛吼地", "自相矛盾"};

std::vector<std::string> Idioms(const store::Statement& statement) {
    StoreCopy copy;
    auto db = copy.Access();
    db.OpenIdiomQuery(statement);
    std::vector<std::string> out;
    while (!db.Rs->eof()) {
        out.push_back(db.Rs->Fields("ChengYu").Value());
        db.Rs->movenext();
    }
    db.CloseIdiomQuery();
    return out;
}

using List = std::vector<std::string>;

}  // namespace

TEST(Statements, AnEmptyKeywordListsEveryIdiomInDictionaryOrder) {
    EXPECT_EQ(Idioms(store::KeywordStatement("")), kAllInOrder);
}

TEST(Statements, KeywordMatchesAnywhereInTheIdiom) {
    EXPECT_EQ(Idioms(store::KeywordStatement("海")),
              (List{"八仙过海，各显神通", "沧海桑田", "海市蜃楼"}));
    EXPECT_EQ(Idioms(store::KeywordStatement("牛吼")), (List{"一牛吼地"}));
    EXPECT_EQ(Idioms(store::KeywordStatement("，")), (List{"八仙过海，各显神通"}));
    EXPECT_EQ(Idioms(store::KeywordStatement("无此")), List{});
}

TEST(Statements, UserTextMatchesOnlyItself) {
    for (const char* text : {"'", "海'", "%", "_", "__", "\\", "\\%", "' or '1'='1", "\"", ";"}) {
        EXPECT_EQ(Idioms(store::KeywordStatement(text)), List{}) << text;
        EXPECT_EQ(Idioms(store::InitialsStatement(text)), List{}) << text;
        EXPECT_EQ(Idioms(store::ExactIdiomStatement(text)), List{}) << text;
    }
}

TEST(Statements, InitialsMatchAnywhereWhateverTheLetterCase) {
    EXPECT_EQ(Idioms(store::InitialsStatement("BD")), (List{"阿鼻地狱", "安步当车"}));
    EXPECT_EQ(Idioms(store::InitialsStatement("bd")), (List{"阿鼻地狱", "安步当车"}));
    EXPECT_EQ(Idioms(store::InitialsStatement("zrc")), (List{"功到自然成"}));
    EXPECT_EQ(Idioms(store::InitialsStatement("MXY")), (List{"莫须有"}));
}

TEST(Statements, BrowseLettersListFourLetterInitialsOnly) {
    EXPECT_EQ(Idioms(store::BrowseLetterStatement('A')),
              (List{"阿鼻地狱", "哀兵必胜", "爱屋及乌", "安步当车", "按图索骥"}));
    EXPECT_EQ(Idioms(store::BrowseLetterStatement('B')), (List{"八面玲珑"}));
    EXPECT_EQ(Idioms(store::BrowseLetterStatement('J')), (List{"井底之蛙", "龃龉不合"}));
    // Five, three and eight letters: found by the searches, never browsed.
    EXPECT_EQ(Idioms(store::BrowseLetterStatement('G')), List{});
    EXPECT_EQ(Idioms(store::BrowseLetterStatement('M')), List{});
    size_t browsed = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        browsed += Idioms(store::BrowseLetterStatement(letter)).size();
    }
    EXPECT_EQ(browsed, kAllInOrder.size() - 3);
}

TEST(Statements, ExactIdiomMatchesTheWholeTextOnly) {
    EXPECT_EQ(Idioms(store::ExactIdiomStatement("海市蜃楼")), (List{"海市蜃楼"}));
    EXPECT_EQ(Idioms(store::ExactIdiomStatement("海市")), List{});
    EXPECT_EQ(Idioms(store::ExactIdiomStatement(" 海市蜃楼")), List{});
}

TEST(Statements, EscapeOnlyThePatternCharacters) {
    EXPECT_EQ(store::EscapeLikePattern("a%b_c\\d'e"), "a\\%b\\_c\\\\d'e");
}
