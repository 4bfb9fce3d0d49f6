// Copies, exports and printing of the entry, driven from outside.
#include <gtest/gtest.h>

#include <windows.h>

#include <richedit.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"

namespace {

// Tool bar positions of the output commands.
constexpr int kCopySelection = 2, kCopyEverything = 3, kExportRtf = 5, kExportText = 6, kPrint = 0;
constexpr int kFileNameBox = 0x47C;  // the save dialog's file name

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Gbk(const std::wstring& text) {
    const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                      0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

// A visible dialog of the process that has a control with that identifier
// (the save dialog's name box, a question's Yes button); null when none shows.
HWND WaitForDialogWith(DWORD processId, int controlId, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w && !found;
                 w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == processId && IsWindowVisible(w) && GetDlgItem(w, controlId))
                    found = w;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

class Output : public ::testing::Test {
  protected:
    void SetUp() override {
        app.Start();
        HWND window = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007");
        ASSERT_NE(window, nullptr);
        ui = std::make_unique<DictionaryWindow>(app, window);
        ui->SetBoxText(ui->keywordBox, L"按图索骥");
        ui->Press(ui->keywordButton);
        ASSERT_EQ(ui->ViewLines().at(0), L"按图索骥");
    }
    // Exports through the dialog as a user would: reads the proposed name,
    // types a path and presses Save.
    std::wstring Export(int button, const std::wstring& path) {
        ui->PressToolButton(button, false);
        HWND dialog = WaitForDialogWith(app.ProcessId(), kFileNameBox);
        if (!dialog)
            return L"(no dialog)";
        HWND name = GetDlgItem(dialog, kFileNameBox);
        const std::wstring proposed = WindowText(name);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return proposed;
    }
    std::wstring ViewText() const {
        std::wstring text;
        for (const auto& line : ui->ViewLines())
            text += (text.empty() ? L"" : L"\r\n") + line;
        return text;
    }
    LexoraApp app{Database::Fixture};
    std::unique_ptr<DictionaryWindow> ui;
};

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(no clipboard)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::string ClipboardRtf() {
    std::string rtf;
    if (!OpenClipboard(nullptr))
        return rtf;
    if (HANDLE data = GetClipboardData(RegisterClipboardFormatW(L"Rich Text Format"))) {
        rtf = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return rtf;
}

void PutOnClipboard(const std::wstring& text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

int ClipboardFormats() {
    OpenClipboard(nullptr);
    const int n = CountClipboardFormats();
    CloseClipboard();
    return n;
}

}  // namespace

TEST_F(Output, CopiesTheSelectionAsRichAndPlainText) {
    SendMessageW(ui->entryView, EM_SETSEL, 0, 4);
    ui->PressToolButton(kCopySelection);
    EXPECT_EQ(ClipboardText(), L"按图索骥");
    const std::string rtf = ClipboardRtf();
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rtf.find("\\b"), std::string::npos);
}

TEST_F(Output, CopyingWithNothingSelectedLeavesTheClipboardEmpty) {
    PutOnClipboard(L"something else");
    SendMessageW(ui->entryView, EM_SETSEL, 3, 3);
    ui->PressToolButton(kCopySelection);
    EXPECT_EQ(ClipboardFormats(), 0);
}

TEST_F(Output, CopyingEverythingLeavesTheCaretAtTheStart) {
    SendMessageW(ui->entryView, EM_SETSEL, 5, 9);
    ui->PressToolButton(kCopyEverything);
    std::wstring copied = ClipboardText();
    std::erase(copied, L'\n');
    std::wstring shown = ViewText();
    std::erase(shown, L'\n');
    EXPECT_EQ(copied, shown);
    DWORD start = 1, end = 1;
    SendMessageW(ui->entryView, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

// The view's context menu, drawn by the skin, opened and chosen from with
// the mouse.
TEST_F(Output, TheEntryViewsContextMenuCopiesEverythingAsBefore) {
    PutOnClipboard(L"something else");
    Probe probe(ui->window);
    RECT view;
    GetWindowRect(ui->entryView, &view);
    ASSERT_TRUE(RightClickAt({view.left + 30, view.top + 30}));
    const ShownMenu menu = WaitForOpenMenu(probe, [](HMENU, const std::vector<MenuEntry>& items) {
        return items.size() == 2 && items[1].place.bottom > items[1].place.top;
    });
    ASSERT_NE(menu.menu, nullptr);
    EXPECT_EQ(menu.items[1].caption, L"复制全部内容到剪贴板");
    EXPECT_TRUE(menu.items[0].ownerDrawn && menu.items[1].ownerDrawn) << "drawn by the skin";
    const RECT& item = menu.items[1].place;
    ASSERT_TRUE(ClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2}));
    EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; }, 3000));
    std::wstring shown = ViewText();
    std::erase(shown, L'\n');
    // The program may hold the clipboard open a moment longer.
    std::wstring copied;
    WaitUntil(
        [&] {
            copied = ClipboardText();
            std::erase(copied, L'\n');
            return copied == shown;
        },
        3000);
    EXPECT_EQ(copied, shown);
}

TEST_F(Output, ExportsRichTextWithTheEntrysFormatting) {
    const std::filesystem::path target = app.Directory() / L"条目";
    EXPECT_EQ(Export(kExportRtf, target.wstring()), L"按图索骥") << "the entry view's first line";
    const auto file = app.Directory() / L"条目.rtf";
    ASSERT_TRUE(WaitUntil(
        [&] { return std::filesystem::exists(file) && std::filesystem::file_size(file) > 0; }));
    Sleep(200);
    const std::string rtf = Bytes(file);
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rtf.find("\\fcharset134"), std::string::npos) << "the GB2312 font";
    EXPECT_NE(rtf.find("\\red0\\green128\\blue0"), std::string::npos) << "the labels' green";
    EXPECT_NE(rtf.find("\\qc"), std::string::npos) << "the centred name";
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos) << "12 points";
    EXPECT_NE(rtf.find("\\fs18"), std::string::npos) << "9 points";
    EXPECT_NE(rtf.find("\\b"), std::string::npos);
    const bool nameAsUnicode = rtf.find("\\u25353") != std::string::npos;  // 按
    const bool nameAsGbk = rtf.find("\\'b0\\'b4") != std::string::npos;
    EXPECT_TRUE(nameAsUnicode || nameAsGbk);
}

TEST_F(Output, ExportsPlainTextInGbkAndAsksBeforeOverwriting) {
    const std::filesystem::path target = app.Directory() / L"entry";
    EXPECT_EQ(Export(kExportText, target.wstring()), L"按图索骥");
    const auto file = app.Directory() / L"entry.txt";
    ASSERT_TRUE(WaitUntil(
        [&] { return std::filesystem::exists(file) && std::filesystem::file_size(file) > 0; }));
    Sleep(200);
    EXPECT_EQ(Bytes(file), Gbk(ViewText()));

    std::ofstream(file, std::ios::binary | std::ios::trunc) << "old";
    Export(kExportText, file.wstring());
    // The dialog asks first; the answer Yes lets the export replace the file.
    HWND question = WaitForDialogWith(app.ProcessId(), IDYES);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(Bytes(file), "old") << "nothing written before the answer";
    PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return Bytes(file) == Gbk(ViewText()); }));
}

TEST_F(Output, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    const auto file = app.Directory() / L"locked.txt";
    std::ofstream(file) << "kept";
    // Held open without sharing, the file cannot be created anew.
    HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Export(kExportText, file.wstring());
    HWND question = WaitForDialogWith(app.ProcessId(), IDYES, 3000);
    if (question)
        PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    HWND report = WaitForMessageBox(app.ProcessId(), L"Lexora电子版");
    ASSERT_NE(report, nullptr);
    const std::wstring text = MessageBoxText(report);
    EXPECT_EQ(text.rfind(L"Cannot create file \"" + file.wstring() + L"\". ", 0), 0u) << Gbk(text);
    DismissMessageBox(report);
    CloseHandle(lock);
    EXPECT_EQ(Bytes(file), "kept");
}

TEST_F(Output, PrintingWithoutAPrinterIsReported) {
    ui->PressToolButton(kPrint, false);
    HWND report = WaitForMessageBox(app.ProcessId(), L"Lexora电子版");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(MessageBoxText(report), L"没有安装打印机，无法打印.");
    DismissMessageBox(report);
}
