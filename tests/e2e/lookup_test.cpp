// Searching, showing and browsing idioms, and personal notes, driven from
// outside the real program.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "dictionary_window.h"
#include "lexora_app.h"

namespace {

using Texts = std::vector<std::wstring>;
const wchar_t* const kMainCaption = L"Lexora电子版 2007";

class Lookup : public ::testing::Test {
  protected:
    void SetUp() override { Open(); }
    void Open() {
        app->Start();
        HWND window = app->WaitForWindow(L"TForm1", kMainCaption);
        ASSERT_NE(window, nullptr);
        ui = std::make_unique<DictionaryWindow>(*app, window);
    }
    void Reopen() {
        PostMessageW(ui->window, WM_CLOSE, 0, 0);
        ASSERT_EQ(app->WaitForExit(), 0u);
        Open();
    }
    void SearchKeyword(const std::wstring& keyword) {
        ui->SetBoxText(ui->keywordBox, keyword);
        ui->Press(ui->keywordButton);
    }
    // A command that shows a message box: its text, after pressing OK.
    std::wstring MessageAfter(const std::function<void()>& action,
                              const std::wstring& caption = L"确认") {
        action();
        HWND box = WaitForMessageBox(app->ProcessId(), caption);
        if (!box)
            return L"(no message)";
        const std::wstring text = MessageBoxText(box);
        DismissMessageBox(box);
        return text;
    }
    std::unique_ptr<LexoraApp> app = std::make_unique<LexoraApp>(Database::Fixture);
    std::unique_ptr<DictionaryWindow> ui;
};

const Texts kAllInOrder = {
    L"阿鼻地狱",           L"哀兵必胜", L"爱屋及乌",   L"安步当车", L"按图索骥", L"八面玲珑",
    L"八仙过海，各显神通", L"沧海桑田", L"功到自然成", L"海市蜃楼", L"井底之蛙", L"龃龉不合",
    L"老马识途",           L"莫须有",   L"擿伏发奸",   L"稀字测验", L"一牛吼地", L"自相矛盾"};

}  // namespace

TEST_F(Lookup, AKeywordSearchListsTheMatchesAndShowsTheFirst) {
    SearchKeyword(L"海");
    EXPECT_EQ(ui->Results(), (Texts{L"八仙过海，各显神通", L"沧海桑田", L"海市蜃楼"}));
    EXPECT_EQ(ui->StatusText(0), L"查询结果：3 条成语符合");
    EXPECT_EQ(SendMessageW(ui->resultList, LB_GETCURSEL, 0, 0), 0);
    ASSERT_FALSE(ui->ViewLines().empty());
    EXPECT_EQ(ui->ViewLines()[0], L"八仙过海，各显神通");
    EXPECT_EQ(WindowText(ui->keywordButton), L"浏览全部") << "setting the text is no edit";
}

TEST_F(Lookup, AnEmptyKeywordListsEveryIdiomInOrder) {
    SearchKeyword(L"");
    EXPECT_EQ(ui->Results(), kAllInOrder);
    EXPECT_EQ(ui->StatusText(0), L"查询结果：18 条成语符合");
    EXPECT_EQ(ui->ViewLines()[0], L"阿鼻地狱");
}

TEST_F(Lookup, NoMatchSaysSoEmptiesTheListAndKeepsTheEntry) {
    SearchKeyword(L"海市");
    EXPECT_EQ(MessageAfter([&] {
                  ui->SetBoxText(ui->keywordBox, L"无此成语");
                  ui->PressLater(ui->keywordButton);
              }),
              L"抱歉，没有找到符合的成语，请重新查询");
    EXPECT_TRUE(WaitUntil([&] { return ui->StatusText(0) == L"查询结果：0 条成语符合"; }));
    EXPECT_TRUE(ui->Results().empty());
    EXPECT_EQ(ui->ViewLines()[0], L"海市蜃楼");
    EXPECT_EQ(WindowText(ui->keywordBox), L"无此成语");
}

TEST_F(Lookup, UserTextWithAnApostropheOrPatternCharactersFindsNothing) {
    for (const wchar_t* text : {L"'", L"%", L"_"}) {
        EXPECT_EQ(MessageAfter([&] {
                      ui->SetBoxText(ui->keywordBox, text);
                      ui->PressLater(ui->keywordButton);
                  }),
                  L"抱歉，没有找到符合的成语，请重新查询")
            << text;
        EXPECT_EQ(MessageAfter([&] {
                      ui->SetBoxText(ui->initialsBox, text);
                      ui->PressLater(ui->initialsButton);
                  }),
                  L"抱歉，没有找到符合的成语，请重新查询")
            << text;
    }
}

TEST_F(Lookup, InitialsAreFoundAnywhereAndBlankInitialsAreRefused) {
    ui->SetBoxText(ui->initialsBox, L"bd");
    ui->Press(ui->initialsButton);
    EXPECT_EQ(ui->Results(), (Texts{L"阿鼻地狱", L"安步当车"}));
    EXPECT_EQ(ui->StatusText(0), L"查询结果：2 条成语符合");
    for (const wchar_t* blank : {L"", L"  "}) {
        EXPECT_EQ(MessageAfter([&] {
                      ui->SetBoxText(ui->initialsBox, blank);
                      ui->PressLater(ui->initialsButton);
                  }),
                  L"请输入首字母");
        EXPECT_EQ(ui->Results(), (Texts{L"阿鼻地狱", L"安步当车"}))
            << "the previous results remain";
        EXPECT_EQ(ui->StatusText(0), L"查询结果：2 条成语符合");
    }
}

TEST_F(Lookup, TheKeywordButtonsCaptionFollowsTheTypedText) {
    ui->Type(ui->keywordEdit, L" ");
    EXPECT_EQ(WindowText(ui->keywordButton), L"查询");
    ui->Type(ui->keywordEdit, L"\b");
    EXPECT_EQ(WindowText(ui->keywordButton), L"浏览全部");
    ui->Type(ui->keywordEdit, L"海");
    EXPECT_EQ(WindowText(ui->keywordButton), L"查询");
}

TEST_F(Lookup, TheBoxesTakeEightBytesAndFourCharacters) {
    ui->Type(ui->keywordEdit, L"按图索骥海");
    EXPECT_EQ(WindowText(ui->keywordBox), L"按图索骥");
    ui->SetBoxText(ui->keywordBox, L"");
    ui->Type(ui->keywordEdit, L"abcdefghij");
    EXPECT_EQ(WindowText(ui->keywordBox), L"abcdefgh");
    ui->SetBoxText(ui->keywordBox, L"");
    ui->Type(ui->keywordEdit, L"a海市蜃楼");
    EXPECT_EQ(WindowText(ui->keywordBox), L"a海市蜃");
    ui->Type(ui->initialsEdit, L"abcde");
    EXPECT_EQ(WindowText(ui->initialsBox), L"abcd");
}

TEST_F(Lookup, EnterRunsTheSearchOfTheBoxLastEntered) {
    ASSERT_TRUE(ui->ClickInto(ui->initialsEdit));
    ui->Type(ui->initialsEdit, L"zxmd");
    PostMessageW(ui->initialsEdit, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(WaitUntil([&] { return ui->Results() == Texts{L"自相矛盾"}; }));
    ASSERT_TRUE(ui->ClickInto(ui->keywordEdit));
    ui->Type(ui->keywordEdit, L"老马");
    PostMessageW(ui->keywordEdit, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(WaitUntil([&] { return ui->Results() == Texts{L"老马识途"}; }));
}

TEST_F(Lookup, TheEntryViewShowsEachRowInItsFormat) {
    SearchKeyword(L"按图索骥");
    const Texts lines = ui->ViewLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], L"按图索骥");
    EXPECT_EQ(lines[1], L"首字母：ATSJ");
    EXPECT_EQ(lines[2], L"注音：àn tú suǒ jì");
    EXPECT_EQ(lines[3], L"");
    EXPECT_EQ(lines[4].substr(0, 3), L"典故：");
    EXPECT_EQ(lines[5], L"");
    EXPECT_EQ(lines[6].substr(0, 3), L"出处：");
    EXPECT_EQ(lines[7], L"");
    EXPECT_EQ(lines[8].substr(0, 3), L"例子：");
    const COLORREF green = RGB(0, 128, 0);

    const ViewFormat name = ui->FormatOf(0, 0, 4);
    EXPECT_EQ(name.pointSize, 12);
    EXPECT_TRUE(name.bold);
    EXPECT_TRUE(name.centred);
    EXPECT_NE(name.color, green);
    const ViewFormat initialsLabel = ui->FormatOf(1, 0, 4), initials = ui->FormatOf(1, 4, 4);
    EXPECT_TRUE(initialsLabel.bold);
    EXPECT_EQ(initialsLabel.color, green);
    EXPECT_FALSE(initialsLabel.centred);
    EXPECT_FALSE(initials.bold);
    EXPECT_NE(initials.color, green);
    EXPECT_EQ(initials.pointSize, 9);
    const ViewFormat pinyinLabel = ui->FormatOf(2, 0, 3), pinyin = ui->FormatOf(2, 3, 5);
    EXPECT_TRUE(pinyinLabel.bold);
    EXPECT_EQ(pinyinLabel.color, green);
    EXPECT_EQ(pinyinLabel.pointSize, 9);
    EXPECT_EQ(pinyin.pointSize, 12);
    EXPECT_FALSE(pinyin.bold);
    for (int row : {4, 6, 8}) {
        const ViewFormat label = ui->FormatOf(row, 0, 3), body = ui->FormatOf(row, 3, 3);
        EXPECT_TRUE(label.bold) << row;
        EXPECT_EQ(label.color, green) << row;
        EXPECT_EQ(label.pointSize, 9) << row;
        EXPECT_FALSE(body.bold) << row;
        EXPECT_EQ(body.pointSize, 9) << row;
        EXPECT_NE(body.color, green) << row;
    }
}

TEST_F(Lookup, AnEntryWithoutStorySourceOrExampleHasThreeLines) {
    SearchKeyword(L"擿伏");
    EXPECT_EQ(ui->ViewLines(), (Texts{L"擿伏发奸", L"首字母：TFFJ", L"注音：tī fú fā jiān"}));
}

TEST_F(Lookup, TheGuardKeepsAChangedNoteFromTheListAndTheTree) {
    SearchKeyword(L"");
    ASSERT_EQ(ui->ViewLines()[0], L"阿鼻地狱");
    ui->SetBoxText(ui->noteEditor, L"我的见解");
    EXPECT_EQ(MessageAfter([&] { PostMessageW(ui->resultList, WM_KEYDOWN, VK_DOWN, 1); }),
              L"阿鼻地狱 的个人见解已改动，请先保存");
    EXPECT_EQ(SendMessageW(ui->resultList, LB_GETCURSEL, 0, 0), 1)
        << "the list's selection has moved";
    EXPECT_EQ(ui->ViewLines()[0], L"阿鼻地狱");
    EXPECT_EQ(ui->Note(), L"我的见解");

    const auto letters = ui->TreeChildren(nullptr);
    const auto idioms = ui->TreeChildren(letters.at(1));  // B
    EXPECT_EQ(MessageAfter([&] { ui->SelectNode(idioms.at(0)); }),
              L"阿鼻地狱 的个人见解已改动，请先保存");
    EXPECT_EQ(ui->ViewLines()[0], L"阿鼻地狱");
    // A letter node changes nothing, not even with the note changed.
    ui->SelectNode(letters.at(2));
    EXPECT_EQ(WaitForMessageBox(app->ProcessId(), L"确认", 500), nullptr);
    // Restoring the text exactly counts as unchanged.
    ui->SetBoxText(ui->noteEditor, L"");
    ui->SelectNode(idioms.at(0));
    EXPECT_TRUE(WaitUntil([&] { return ui->ViewLines()[0] == L"八面玲珑"; }));
}

TEST_F(Lookup, ANoteIsSavedIntoTheDatabaseAndShownTrimmed) {
    SearchKeyword(L"井底之蛙");
    ui->SetBoxText(ui->noteEditor, L"\r\n  坐井观天。  \r\n");
    EXPECT_EQ(MessageAfter([&] { ui->PressToolButton(10, false); }), L"个人见解保存成功！");
    SearchKeyword(L"老马识途");
    EXPECT_EQ(ui->Note(), L"");
    Reopen();
    SearchKeyword(L"井底之蛙");
    EXPECT_EQ(ui->Note(), L"坐井观天。");
    // The display does not count the trimmed note as a change, and the next
    // idiom, which has no note, shows none.
    SearchKeyword(L"老马识途");
    EXPECT_EQ(ui->ViewLines()[0], L"老马识途");
    EXPECT_EQ(ui->Note(), L"");
}

TEST_F(Lookup, SavingWithNothingShownSavesNothingAndTheGuardStaysOn) {
    ui->SetBoxText(ui->noteEditor, L"无主的见解");
    EXPECT_EQ(MessageAfter([&] { ui->PressToolButton(10, false); }),
              L"详细解释中没有显示成语，个人见解没有保存");
    EXPECT_EQ(MessageAfter([&] {
                  ui->SetBoxText(ui->keywordBox, L"老马");
                  ui->PressLater(ui->keywordButton);
              }),
              L" 的个人见解已改动，请先保存");
    EXPECT_TRUE(WaitUntil([&] { return ui->Results() == Texts{L"老马识途"}; }));
    EXPECT_TRUE(ui->ViewLines().empty());
}

TEST_F(Lookup, TheTreeHoldsTwentyThreeLettersOfFourLetterIdioms) {
    const auto letters = ui->TreeChildren(nullptr);
    Texts names;
    for (HTREEITEM letter : letters)
        names.push_back(ui->NodeText(letter));
    EXPECT_EQ(names, (Texts{L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H", L"J", L"K", L"L", L"M",
                            L"N", L"O", L"P", L"Q", L"R", L"S", L"T", L"W", L"X", L"Y", L"Z"}));
    Texts underA;
    for (HTREEITEM node : ui->TreeChildren(letters[0]))
        underA.push_back(ui->NodeText(node));
    EXPECT_EQ(underA, (Texts{L"阿鼻地狱", L"哀兵必胜", L"爱屋及乌", L"安步当车", L"按图索骥"}));
    EXPECT_TRUE(ui->TreeChildren(letters[6]).empty()) << "功到自然成 has five initials";
    size_t nodes = 0;
    for (HTREEITEM letter : letters)
        nodes += ui->TreeChildren(letter).size();
    EXPECT_EQ(nodes, kAllInOrder.size() - 3);
}

TEST_F(Lookup, ArrowKeysThroughIdiomNodesShowEachIdiom) {
    const auto underA = ui->TreeChildren(ui->TreeChildren(nullptr)[0]);
    ui->SelectNode(underA[0]);
    EXPECT_TRUE(
        WaitUntil([&] { return !ui->ViewLines().empty() && ui->ViewLines()[0] == L"阿鼻地狱"; }));
    PostMessageW(ui->tree, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(WaitUntil([&] { return ui->ViewLines()[0] == L"哀兵必胜"; }));
    PostMessageW(ui->tree, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(WaitUntil([&] { return ui->ViewLines()[0] == L"爱屋及乌"; }));
}

// A browse letter whose statement fails ends the tree at that letter: the
// letters before it with their idioms, the failing one, none after it. The
// fixture's table behind a view whose idiom column fails for letter J.
TEST(LookupStart, AFailingBrowseLetterEndsTheTreeThere) {
    const auto dir = std::filesystem::temp_directory_path() /
                     (L"lexora-failing-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(dir);
    const auto database = dir / L"IdiomDB.dll";
    std::filesystem::copy_file(LEXORA_FIXTURE_DB, database,
                               std::filesystem::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open16(database.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "alter table ChenYu rename to Idioms;"
                           "create view ChenYu as select rowid as rowid,"
                           " case when SPingYin like 'J%' then abs(-9223372036854775808)"
                           " else ChengYu end as ChengYu,"
                           " SPingYin, PingYin, DianGu, ChuChu, LiZi, Diy from Idioms",
                           nullptr, nullptr, nullptr),
              SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);

    LexoraApp app(LEXORA_EXE, database);
    app.Start();
    HWND box = WaitForMessageBox(app.ProcessId(), L"Lexora电子版");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(L"integer overflow"), std::wstring::npos)
        << MessageBoxText(box).c_str();
    DismissMessageBox(box);
    HWND window = app.WaitForWindow(L"TForm1", kMainCaption);
    ASSERT_NE(window, nullptr);
    DictionaryWindow ui(app, window);
    const auto letters = ui.TreeChildren(nullptr);
    Texts names;
    for (HTREEITEM letter : letters)
        names.push_back(ui.NodeText(letter));
    EXPECT_EQ(names, (Texts{L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H", L"J"}));
    ASSERT_EQ(letters.size(), 9u);
    EXPECT_EQ(ui.TreeChildren(letters[0]).size(), 5u);
    EXPECT_TRUE(ui.TreeChildren(letters[8]).empty());
    PostMessageW(window, WM_CLOSE, 0, 0);
    app.WaitForExit();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

TEST(LookupOnTheRealData, EveryIdiomIsListedAndTheTreeHoldsTheFourLetterOnes) {
    LexoraApp app(Database::Full);
    app.Start();
    HWND window = app.WaitForWindow(L"TForm1", kMainCaption);
    ASSERT_NE(window, nullptr);
    DictionaryWindow ui(app, window);
    ui.Press(ui.keywordButton);
    EXPECT_EQ(SendMessageW(ui.resultList, LB_GETCOUNT, 0, 0), 30926);
    EXPECT_EQ(ui.StatusText(0), L"查询结果：30926 条成语符合");
    EXPECT_EQ(ui.ViewLines()[0], L"阿鼻地狱");
    size_t nodes = 0;
    for (HTREEITEM letter : ui.TreeChildren(nullptr))
        nodes += ui.TreeChildren(letter).size();
    EXPECT_EQ(nodes, 29553u);
}
