#include <gtest/gtest.h>

#include "output/page_layout.h"

using lookup::EntryDocument;
using output::LayOutPages;

namespace {

// Every character is as wide as its point size; ascent and descent are the
// size and a quarter of it.
class GridMeasure : public output::TextMeasure {
  public:
    std::vector<int> Widths(const output::RunStyle& style, const std::string& text) override {
        std::vector<int> widths;
        for (size_t i = 0; i < text.size(); ++i) {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
                widths.push_back(style.pointSize);
        }
        return widths;
    }
    int Ascent(const output::RunStyle& style) override { return style.pointSize; }
    int Descent(const output::RunStyle& style) override { return style.pointSize / 4; }
};

EntryDocument Doc(std::initializer_list<lookup::EntryLine> lines) {
    return EntryDocument{lines};
}

std::string AllText(const std::vector<output::Page>& pages) {
    std::string text;
    for (const auto& page : pages) {
        for (const auto& f : page.fragments)
            text += f.text;
    }
    return text;
}

}  // namespace

TEST(PageLayout, CentresTheNameAndSetsRunsSideBySideOnOneBaseline) {
    GridMeasure measure;
    const auto pages =
        LayOutPages(Doc({{{{"按图索骥", 12, true, false}}, true},
                         {{{"注音：", 9, true, true}, {"àn tú", 12, false, false}}, false}}),
                    measure, 120, 1000);
    ASSERT_EQ(pages.size(), 1u);
    const auto& f = pages[0].fragments;
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].x, (120 - 48) / 2);
    EXPECT_EQ(f[0].y, 12);
    EXPECT_TRUE(f[0].style.bold);
    EXPECT_EQ(f[1].x, 0);
    EXPECT_EQ(f[1].text, "注音：");
    EXPECT_EQ(f[2].x, 27);
    EXPECT_EQ(f[1].y, f[2].y) << "one baseline for the whole row";
    EXPECT_EQ(f[2].y, 15 + 12) << "below the first row (12 + 3), by the taller run's ascent";
}

TEST(PageLayout, WrapsAtCharactersButKeepsPinyinSyllablesWhole) {
    GridMeasure measure;
    auto pages =
        LayOutPages(Doc({{{{"一二三四五六七", 10, false, false}}, false}}), measure, 35, 1000);
    ASSERT_EQ(pages[0].fragments.size(), 3u);
    EXPECT_EQ(pages[0].fragments[0].text, "一二三");
    EXPECT_EQ(pages[0].fragments[1].text, "四五六");
    EXPECT_EQ(pages[0].fragments[2].text, "七");
    pages = LayOutPages(Doc({{{{"an tu suo", 10, false, false}}, false}}), measure, 75, 1000);
    ASSERT_EQ(pages[0].fragments.size(), 2u);
    EXPECT_EQ(pages[0].fragments[0].text, "an tu ");
    EXPECT_EQ(pages[0].fragments[1].text, "suo");
}

TEST(PageLayout, FlowsFromPageToPageWithoutLosingText) {
    GridMeasure measure;
    EntryDocument doc;
    std::string expected;
    for (int i = 0; i < 50; ++i) {
        const std::string text = "第" + std::to_string(i) + "行典故";
        doc.lines.push_back({{{text, 9, false, false}}, false});
        doc.lines.push_back({});
        expected += text;
    }
    const auto pages = LayOutPages(doc, measure, 500, 100);
    ASSERT_GT(pages.size(), 5u);
    EXPECT_EQ(AllText(pages), expected);
    for (const auto& page : pages) {
        for (const auto& f : page.fragments)
            EXPECT_LE(f.y + 2, 100);
    }
}

TEST(PageLayout, AnEmptyDocumentIsOneEmptyPage) {
    GridMeasure measure;
    const auto pages = LayOutPages(EntryDocument{}, measure, 500, 100);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].fragments.empty());
}
