// Printing into metafiles: the pages' records show what reached the paper.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "output/entry_printing.h"
#include "ui/wide_text.h"

namespace {

// Pages as enhanced metafiles measured for the screen; records the job.
class MetafileTarget : public output::PrintTarget {
  public:
    MetafileTarget() : screen_(GetDC(nullptr)) {}
    ~MetafileTarget() override {
        for (HENHMETAFILE page : pages)
            DeleteEnhMetaFile(page);
        ReleaseDC(nullptr, screen_);
    }
    HDC ReferenceDC() override { return screen_; }
    void StartDocument(const std::wstring& name) override { documentName = name; }
    HDC StartPage() override {
        page_ = CreateEnhMetaFileW(screen_, nullptr, nullptr, nullptr);
        return page_;
    }
    void EndPage() override { pages.push_back(CloseEnhMetaFile(page_)); }
    void EndDocument() override { ended = true; }
    void AbortDocument() override {}

    std::wstring documentName;
    std::vector<HENHMETAFILE> pages;
    bool ended = false;

  private:
    HDC screen_;
    HDC page_ = nullptr;
};

struct PageContent {
    std::wstring text;
    std::vector<COLORREF> colours;
    std::vector<LOGFONTW> fonts;
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param) {
    auto* content = reinterpret_cast<PageContent*>(param);
    const auto* bytes = reinterpret_cast<const BYTE*>(record);
    switch (record->iType) {
        case EMR_EXTTEXTOUTW: {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            content->text.append(reinterpret_cast<const wchar_t*>(bytes + text->emrtext.offString),
                                 text->emrtext.nChars);
            break;
        }
        case EMR_SETTEXTCOLOR:
            content->colours.push_back(reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor);
            break;
        case EMR_EXTCREATEFONTINDIRECTW:
            content->fonts.push_back(
                reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont);
            break;
    }
    return 1;
}

PageContent Content(HENHMETAFILE page) {
    PageContent content;
    EnumEnhMetaFile(nullptr, page, Collect, &content, nullptr);
    return content;
}

lookup::EntryDocument Entry(int storyLines) {
    lookup::EntryDocument doc;
    doc.lines.push_back({{{"按图索骥", 12, true, false}}, true});
    doc.lines.push_back({{{"首字母：", 9, true, true}, {"ATSJ", 9, false, false}}, false});
    doc.lines.push_back({});
    for (int i = 0; i < storyLines; ++i) {
        doc.lines.push_back(
            {{{"典故：", 9, true, true},
              {"第" + std::to_string(i) + "行按照画像去寻求好马。", 9, false, false}},
             false});
    }
    return doc;
}

std::wstring TextOf(const lookup::EntryDocument& doc) {
    std::wstring text;
    for (const auto& line : doc.lines)
        text += Widen(line.Text());
    return text;
}

ui::TFont ViewFont() {
    ui::TFont font;
    font.SetCharset(ui::kGb2312Charset);
    return font;
}

}  // namespace

TEST(Printing, PutsTheWholeEntryOnAPageUnderTheJobsNameInItsFormat) {
    MetafileTarget target;
    const auto doc = Entry(3);
    output::PrintEntry(doc, ViewFont(), target, "Lexora电子版 2007");
    EXPECT_EQ(target.documentName, L"Lexora电子版 2007");
    EXPECT_TRUE(target.ended);
    ASSERT_EQ(target.pages.size(), 1u);
    const PageContent page = Content(target.pages[0]);
    EXPECT_EQ(page.text, TextOf(doc));
    EXPECT_NE(std::find(page.colours.begin(), page.colours.end(), RGB(0, 128, 0)),
              page.colours.end())
        << "green labels";
    bool boldName = false, face = true;
    for (const LOGFONTW& f : page.fonts) {
        if (f.lfWeight >= FW_BOLD && f.lfHeight == -16)
            boldName = true;  // 12 points at 96 dots per inch
        face = face && std::wstring(f.lfFaceName) == L"宋体" && f.lfCharSet == ui::kGb2312Charset;
    }
    EXPECT_TRUE(boldName);
    EXPECT_TRUE(face);
}

TEST(Printing, RunsOnFromPageToPageUntilAllTextIsPrinted) {
    MetafileTarget target;
    const auto doc = Entry(300);
    output::PrintEntry(doc, ViewFont(), target, "Lexora电子版 2007");
    ASSERT_GT(target.pages.size(), 2u);
    std::wstring printed;
    for (HENHMETAFILE page : target.pages) {
        const std::wstring text = Content(page).text;
        EXPECT_FALSE(text.empty()) << "no empty page";
        printed += text;
    }
    EXPECT_EQ(printed, TextOf(doc));
}

TEST(Printing, AnEmptyEntrySendsAJobWithoutText) {
    MetafileTarget target;
    output::PrintEntry(lookup::EntryDocument{}, ViewFont(), target, "Lexora电子版 2007");
    ASSERT_EQ(target.pages.size(), 1u);
    EXPECT_TRUE(Content(target.pages[0]).text.empty());
    EXPECT_TRUE(target.ended);
}
