#include <gtest/gtest.h>
#include <sqlite3.h>

#include <vector>

#include "store/statements.h"
#include "store_fixture.h"
#include "text/utf8_path.h"

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

// How the store runs a statement with its parameters bound: the details of
// its query plan, one a line.
std::string QueryPlan(const store::Statement& statement) {
    StoreCopy copy;
    sqlite3* db = nullptr;
    sqlite3_open_v2(text::PathUtf8(copy.DatabasePath()).c_str(), &db, SQLITE_OPEN_READONLY,
                    nullptr);
    sqlite3_stmt* explain = nullptr;
    sqlite3_prepare_v2(db, ("explain query plan " + statement.sql).c_str(), -1, &explain, nullptr);
    for (size_t i = 0; i < statement.parameters.size(); ++i) {
        const std::string& p = statement.parameters[i];
        sqlite3_bind_text(explain, static_cast<int>(i + 1), p.data(), static_cast<int>(p.size()),
                          SQLITE_TRANSIENT);
    }
    std::string plan;
    while (sqlite3_step(explain) == SQLITE_ROW)
        plan += reinterpret_cast<const char*>(sqlite3_column_text(explain, 3)) + std::string("\n");
    sqlite3_finalize(explain);
    sqlite3_close(db);
    return plan;
}

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

// Each browse letter reads its own range of the initials index instead of
// the whole table; the exact lookup reads one entry of the idiom index.
TEST(Statements, BrowseAndExactStatementsSearchAnIndex) {
    const struct {
        store::Statement statement;
        const char* search;
    } cases[] = {
        {store::BrowseLetterStatement('A'),
         "SEARCH ChenYu USING INDEX ChenYuByInitials (SPingYin>? AND SPingYin<?)"},
        {store::BrowseLetterStatement('Z'),
         "SEARCH ChenYu USING INDEX ChenYuByInitials (SPingYin>? AND SPingYin<?)"},
        {store::ExactIdiomStatement("海市蜃楼"),
         "SEARCH ChenYu USING INDEX ChenYuByIdiom (ChengYu=?)"},
    };
    for (const auto& c : cases) {
        const std::string plan = QueryPlan(c.statement);
        EXPECT_NE(plan.find(c.search), std::string::npos) << c.statement.sql << "\n" << plan;
        EXPECT_EQ(plan.find("SCAN ChenYu"), std::string::npos) << c.statement.sql << "\n" << plan;
    }
}

TEST(Statements, ExactIdiomMatchesTheWholeTextOnly) {
    EXPECT_EQ(Idioms(store::ExactIdiomStatement("海市蜃楼")), (List{"海市蜃楼"}));
    EXPECT_EQ(Idioms(store::ExactIdiomStatement("海市")), List{});
    EXPECT_EQ(Idioms(store::ExactIdiomStatement(" 海市蜃楼")), List{});
}

TEST(Statements, EscapeOnlyThePatternCharacters) {
    EXPECT_EQ(store::EscapeLikePattern("a%b_c\\d'e"), "a\\%b\\_c\\\\d'e");
}
