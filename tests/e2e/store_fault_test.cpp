// Faults of the idiom database while the program runs, met by a note save:
// the file locked by another program, deleted, made read-only. Each is
// reported clearly, the note stays unsaved and guarded, nothing is half
// written, and the program goes on.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "running_program.h"

namespace {

using Texts = std::vector<std::wstring>;

const wchar_t* const kReportCaption = L"Lexora电子版";
constexpr int kSaveNoteButton = 10;

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Another program that holds the database file locked, readers and writers
// both, until it ends.
class ExclusiveLock {
  public:
    explicit ExclusiveLock(const std::filesystem::path& file) {
        sqlite3_open(Utf8(file).c_str(), &db_);
        locked_ = sqlite3_exec(db_, "begin exclusive", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~ExclusiveLock() {
        sqlite3_exec(db_, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    bool Locked() const { return locked_; }

  private:
    sqlite3* db_ = nullptr;
    bool locked_ = false;
};

// What the database holds for an idiom's note (nullopt for Null), and
// whether the file is whole.
struct StoredNote {
    std::optional<std::string> note;
    bool intact = false;
};

StoredNote ReadStoredNote(const std::filesystem::path& file, const char* idiom) {
    StoredNote stored;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8(file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "select Diy from ChenYu where ChengYu = ?", -1, &statement, nullptr);
        sqlite3_bind_text(statement, 1, idiom, -1, SQLITE_STATIC);
        if (sqlite3_step(statement) == SQLITE_ROW &&
            sqlite3_column_type(statement, 0) != SQLITE_NULL)
            stored.note = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        sqlite3_prepare_v2(db, "pragma integrity_check", -1, &statement, nullptr);
        stored.intact =
            sqlite3_step(statement) == SQLITE_ROW &&
            std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) == "ok";
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return stored;
}

// A fault put on the database file and taken off again.
struct Fault {
    const char* name;
    // Starts the fault; the returned object, if any, holds it until it goes.
    std::function<std::shared_ptr<void>(const std::filesystem::path& database)> start;
    std::function<void(const std::filesystem::path& database)> end;
    // What the report says.
    const wchar_t* reportStart;
    const wchar_t* reason;
};

const Fault kFaults[] = {
    {"locked by another program",
     [](const std::filesystem::path& database) -> std::shared_ptr<void> {
         auto lock = std::make_shared<ExclusiveLock>(database);
         EXPECT_TRUE(lock->Locked());
         return lock;
     },
     [](const std::filesystem::path&) {}, L"无法打开成语数据库文件", L"文件正被另一个程序使用"},
    {"deleted",
     [](const std::filesystem::path& database) -> std::shared_ptr<void> {
         EXPECT_TRUE(std::filesystem::remove(database));
         return nullptr;
     },
     [](const std::filesystem::path& database) {
         std::filesystem::copy_file(LEXORA_FIXTURE_DB, database);
     },
     L"找不到成语数据库文件", L"IdiomDB.dll"},
    {"read-only",
     [](const std::filesystem::path& database) -> std::shared_ptr<void> {
         EXPECT_TRUE(SetFileAttributesW(database.c_str(), FILE_ATTRIBUTE_READONLY));
         return nullptr;
     },
     [](const std::filesystem::path& database) {
         SetFileAttributesW(database.c_str(), FILE_ATTRIBUTE_NORMAL);
     },
     L"成语数据库写入失败", L"文件是只读的"},
};

}  // namespace

TEST(StoreFaults, ANoteSaveThatTheDatabaseRefusesIsReportedAndTheNoteStaysGuarded) {
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        RunningProgram program;
        const std::filesystem::path database = program.App().Directory() / L"IdiomDB.dll";
        ASSERT_TRUE(program.Start());
        DictionaryWindow& ui = program.Ui();
        program.SearchKeyword(L"井底之蛙");
        ASSERT_EQ(ui.ViewLines().at(0), L"井底之蛙");
        ui.SetBoxText(ui.noteEditor, L"坐井观天");

        std::shared_ptr<void> held = fault.start(database);
        ui.PressToolButton(kSaveNoteButton, false);
        HWND report = WaitForMessageBox(program.App().ProcessId(), kReportCaption);
        ASSERT_NE(report, nullptr);
        const std::wstring text = MessageBoxText(report);
        EXPECT_TRUE(text.starts_with(fault.reportStart)) << text;
        EXPECT_NE(text.find(fault.reason), std::wstring::npos) << text;
        EXPECT_EQ(WaitForMessageBox(program.App().ProcessId(), L"确认", 200), nullptr)
            << "no success message";
        DismissMessageBox(report);

        // Unsaved, so the guard keeps the note from another display (which it
        // asks before the database).
        ui.SelectNode(ui.TreeChildren(ui.TreeChildren(nullptr).at(0)).at(0));
        HWND guard = WaitForMessageBox(program.App().ProcessId(), L"确认");
        ASSERT_NE(guard, nullptr);
        EXPECT_EQ(MessageBoxText(guard), L"井底之蛙 的个人见解已改动，请先保存");
        DismissMessageBox(guard);
        EXPECT_EQ(ui.Note(), L"坐井观天");
        EXPECT_EQ(WaitForMessageBox(program.App().ProcessId(), kReportCaption, 200), nullptr);

        held.reset();
        fault.end(database);
        const StoredNote stored = ReadStoredNote(database, "井底之蛙");
        EXPECT_FALSE(stored.note.has_value()) << "nothing written";
        EXPECT_TRUE(stored.intact);

        // The fault gone, the same save goes through.
        ui.PressToolButton(kSaveNoteButton, false);
        HWND saved = WaitForMessageBox(program.App().ProcessId(), L"确认");
        ASSERT_NE(saved, nullptr);
        EXPECT_EQ(MessageBoxText(saved), L"个人见解保存成功！");
        DismissMessageBox(saved);
        EXPECT_EQ(program.Close(), 0u);
        EXPECT_EQ(ReadStoredNote(database, "井底之蛙").note, "坐井观天");
    }
}
