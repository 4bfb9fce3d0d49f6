#include <gtest/gtest.h>

#include "lexora_app.h"

namespace {

std::wstring SummaryText(HWND window) {
    return WindowText(GetDlgItem(window, 1));
}

}  // namespace

TEST(Startup, ShowsTheNumberOfIdiomsOfTheBuiltInDatabase) {
    LexoraApp app(Database::Full);
    app.Start();
    HWND window = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SummaryText(window), L"成语数量：30926");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(Startup, SaysSoWhenTheDatabaseIsMissing) {
    LexoraApp app(Database::None);
    app.Start();
    HWND window = app.WaitForWindow(L"TForm1", nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(SummaryText(window).find(L"找不到成语数据库文件"), std::wstring::npos);
}
