#include <gtest/gtest.h>

#include "lookup/note_rules.h"
#include "lookup/search_rules.h"

TEST(SearchRules, CountTextAndButtonCaption) {
    EXPECT_EQ(lookup::ResultCountText(0), "查询结果：0 条成语符合");
    EXPECT_EQ(lookup::ResultCountText(30926), "查询结果：30926 条成语符合");
    EXPECT_EQ(lookup::KeywordButtonCaption(""), "浏览全部");
    EXPECT_EQ(lookup::KeywordButtonCaption(" "), "查询");
    EXPECT_EQ(lookup::KeywordButtonCaption("海"), "查询");
}

TEST(SearchRules, ChoosesTheStatementFromTheTrimmedText) {
    EXPECT_EQ(lookup::KeywordSearch("  海 ").parameters, store::KeywordStatement("海").parameters);
    EXPECT_EQ(lookup::KeywordSearch("\t").parameters, store::KeywordStatement("").parameters);
    EXPECT_FALSE(lookup::InitialsSearch(" \t "));
    EXPECT_FALSE(lookup::InitialsSearch(""));
    const auto initials = lookup::InitialsSearch(" ab ");
    ASSERT_TRUE(initials);
    EXPECT_EQ(initials->parameters, store::InitialsStatement("ab").parameters);
    EXPECT_NE(initials->sql, lookup::KeywordSearch("ab").sql);
}

TEST(NoteRules, ChangedMeansAnyDifferenceAndTheMessageNamesTheIdiom) {
    EXPECT_FALSE(lookup::NoteChanged("笔记\r\n", "笔记\r\n"));
    EXPECT_TRUE(lookup::NoteChanged("笔记\r\n", "笔记"));
    EXPECT_TRUE(lookup::NoteChanged("Note", "note"));
    EXPECT_EQ(lookup::UnsavedNoteMessage(" 按图索骥 "), "按图索骥 的个人见解已改动，请先保存");
    EXPECT_EQ(lookup::UnsavedNoteMessage(""), " 的个人见解已改动，请先保存");
}
