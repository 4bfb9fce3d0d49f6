// When the settings file is written: the dictionary's commands (searches,
// displays, note saves) leave it alone; the histories reach it when the main
// window closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "running_program.h"

namespace {

using Texts = std::vector<std::wstring>;

const wchar_t* const kReportCaption = L"Lexora电子版";
// "保存个人见解" on the tool bar, separators counted.
constexpr int kSaveNoteButton = 10;

bool Shows(DictionaryWindow& ui, const std::wstring& idiom) {
    return WaitUntil([&] {
        const Texts lines = ui.ViewLines();
        return !lines.empty() && lines[0] == idiom;
    });
}

// Both searches, displays from the result list and from the tree, and a note
// save. Each is posted and then waited for, so that a report opened inside a
// command cannot hold the test up.
void RunDictionaryCommands(RunningProgram& program) {
    DictionaryWindow& ui = program.Ui();
    ui.SetBoxText(ui.keywordBox, L"海");
    ui.PressLater(ui.keywordButton);
    EXPECT_TRUE(Shows(ui, L"八仙过海，各显神通"));
    PostMessageW(ui.resultList, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(Shows(ui, L"沧海桑田"));
    ui.SetBoxText(ui.initialsBox, L"bd");
    ui.PressLater(ui.initialsButton);
    EXPECT_TRUE(Shows(ui, L"阿鼻地狱"));
    ui.SelectNode(ui.TreeChildren(ui.TreeChildren(nullptr).at(0)).at(1));
    EXPECT_TRUE(Shows(ui, L"哀兵必胜"));
    ui.SetBoxText(ui.noteEditor, L"见解");
    ui.PressToolButton(kSaveNoteButton, false);
    HWND saved = WaitForMessageBox(program.App().ProcessId(), L"确认");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(MessageBoxText(saved), L"个人见解保存成功！");
    DismissMessageBox(saved);
}

}  // namespace

TEST(SettingsFileTiming, CommandsLeaveTheFileAloneAndTheCloseSavesTheHistories) {
    RunningProgram program;
    program.WriteIni(L"[KeyWord_List]\r\nItem1=马\r\n");
    ASSERT_TRUE(program.Start());
    const std::string atStart = program.ReadIni();
    RunDictionaryCommands(program);
    EXPECT_EQ(program.ReadIni(), atStart);
    ASSERT_EQ(program.Close(), 0u);
    EXPECT_TRUE(program.IniHas(L"Item1=海"));
    EXPECT_TRUE(program.IniHas(L"Item2=马"));
    EXPECT_TRUE(program.IniHas(L"Item1=bd"));
}

TEST(SettingsFileTiming, AReadOnlyFileIsReportedOnceWhenTheWindowCloses) {
    RunningProgram program;
    program.WriteIni(L"[KeyWord_List]\r\nItem1=马\r\n");
    const std::string before = program.ReadIni();
    ASSERT_TRUE(SetFileAttributesW(program.IniPath().c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(program.Start());
    RunDictionaryCommands(program);
    EXPECT_EQ(WaitForMessageBox(program.App().ProcessId(), kReportCaption, 300), nullptr);

    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    HWND box = WaitForMessageBox(program.App().ProcessId(), kReportCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(MessageBoxText(box).starts_with(L"Unable to write to ")) << MessageBoxText(box);
    DismissMessageBox(box);
    // A second report would keep the program from ending.
    EXPECT_EQ(program.App().WaitForExit(), 0u);
    EXPECT_EQ(program.ReadIni(), before);
    SetFileAttributesW(program.IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}
