#include <gtest/gtest.h>

#include "lookup/entry_document.h"
#include "store/field_cipher.h"
#include "store/store_error.h"

using lookup::AppendEntry;
using lookup::EntryDocument;
using lookup::IdiomRecord;
using store::EncipherField;

namespace {

IdiomRecord Record(const std::string& story, const std::string& source,
                   const std::string& example) {
    return {" 按图索骥 ",          "atsj ",
            "  àn tú suǒ jì",      EncipherField(story),
            EncipherField(source), EncipherField(example),
            std::nullopt};
}

// The document's lines, "" for an empty one.
std::vector<std::string> Lines(const IdiomRecord& record, int* badCiphers = nullptr) {
    EntryDocument doc;
    int bad = 0;
    AppendEntry(doc, record, [&] { ++bad; });
    lookup::RemoveTrailingBlankLines(doc);
    if (badCiphers)
        *badCiphers = bad;
    std::vector<std::string> out;
    for (const auto& line : doc.lines)
        out.push_back(line.Text());
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(EntryDocument, AllSixFieldsGiveSixLinesAndThreeEmptyOnes) {
    EXPECT_EQ(Lines(Record("索：找。", "《汉书》", "每见一班～者。")),
              (Texts{"按图索骥", "首字母：ATSJ", "注音：àn tú suǒ jì", "", "典故：索：找。", "",
                     "出处：《汉书》", "", "例子：每见一班～者。"}));
}

TEST(EntryDocument, LeavesOutMissingSectionsWithTheirEmptyLines) {
    EXPECT_EQ(Lines(Record("", "", "")), (Texts{"按图索骥", "首字母：ATSJ", "注音：àn tú suǒ jì"}));
    EXPECT_EQ(Lines(Record("故事", "", "例句")),
              (Texts{"按图索骥", "首字母：ATSJ", "注音：àn tú suǒ jì", "", "典故：故事", "",
                     "例子：例句"}));
    EXPECT_EQ(Lines(Record("故事", "出处", "")),
              (Texts{"按图索骥", "首字母：ATSJ", "注音：àn tú suǒ jì", "", "典故：故事", "",
                     "出处：出处"}));
    EXPECT_EQ(Lines(Record(" \t ", "", " 例句 ")),
              (Texts{"按图索骥", "首字母：ATSJ", "注音：àn tú suǒ jì", "", "例子： 例句 "}))
        << "a blank story is left out; the example keeps its own blanks";
}

TEST(EntryDocument, FormatsEachRowAsTheViewShowsIt) {
    EntryDocument doc;
    AppendEntry(doc, Record("故事", "出处", "例句"), [] {});
    const auto& name = doc.lines[0];
    EXPECT_TRUE(name.centred);
    ASSERT_EQ(name.runs.size(), 1u);
    EXPECT_EQ(name.runs[0].pointSize, 12);
    EXPECT_TRUE(name.runs[0].bold);
    EXPECT_FALSE(name.runs[0].green);
    const auto& initials = doc.lines[1].runs;
    ASSERT_EQ(initials.size(), 2u);
    EXPECT_TRUE(initials[0].bold && initials[0].green);
    EXPECT_EQ(initials[0].text, "首字母：");
    EXPECT_FALSE(initials[1].bold || initials[1].green);
    const auto& pinyin = doc.lines[2].runs;
    EXPECT_EQ(pinyin[0].pointSize, 9);
    EXPECT_EQ(pinyin[1].pointSize, 12);
    for (size_t row : {4u, 6u, 8u}) {
        const auto& runs = doc.lines[row].runs;
        EXPECT_TRUE(runs[0].bold && runs[0].green) << row;
        EXPECT_EQ(runs[0].pointSize, 9);
        EXPECT_EQ(runs[1].pointSize, 9);
        EXPECT_FALSE(doc.lines[row].centred);
    }
}

TEST(EntryDocument, AnOddLengthValueIsAnnouncedAndLeftOut) {
    IdiomRecord record = Record("故事", "出处", "例句");
    record.ChuChu = "ABC";
    int bad = 0;
    EXPECT_EQ(Lines(record, &bad), (Texts{"按图索骥", "首字母：ATSJ", "注音：àn tú suǒ jì", "",
                                          "典故：故事", "", "例子：例句"}));
    EXPECT_EQ(bad, 1);
}

TEST(EntryDocument, AValueThatIsNotHexadecimalStopsAtItsRow) {
    IdiomRecord record = Record("故事", "出处", "例句");
    record.ChuChu = "ZZZZ";
    EntryDocument doc;
    EXPECT_THROW(AppendEntry(doc, record, [] {}), store::ConversionError);
    EXPECT_EQ(doc.Text(), "按图索骥\n首字母：ATSJ\n注音：àn tú suǒ jì\n\n典故：故事\n");
}
