// A file named like a system library, planted beside the program (as in a
// downloads folder), is never loaded in the system library's place.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "dictionary_window.h"
#include "lexora_app.h"

TEST(SystemLibraries, ALibraryPlantedBesideTheProgramIsNotLoaded) {
    LexoraApp app(Database::Fixture);
    const std::filesystem::path planted = app.Directory() / L"Msftedit.dll";
    const std::filesystem::path trace = app.Directory() / L"planted-library-loaded";
    std::filesystem::copy_file(LEXORA_PLANTED_LIBRARY, planted);
    // The trap works: whoever loads the planted file leaves the trace.
    HMODULE loaded = LoadLibraryW(planted.c_str());
    ASSERT_NE(loaded, nullptr);
    FreeLibrary(loaded);
    ASSERT_TRUE(std::filesystem::remove(trace));

    app.Start();
    HWND window = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007");
    ASSERT_NE(window, nullptr);
    DictionaryWindow ui(app, window);
    ui.SetBoxText(ui.keywordBox, L"按图索骥");
    ui.Press(ui.keywordButton);
    EXPECT_EQ(ui.ViewLines().at(0), L"按图索骥") << "the system's rich edit shows the entry";
    EXPECT_FALSE(std::filesystem::exists(trace));
}
