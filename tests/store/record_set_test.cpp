#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "store/connection_string.h"
#include "store/field_cipher.h"
#include "store/store_error.h"
#include "store_fixture.h"
#include "text/text_rules.h"
#include "text/utf8_path.h"

using store::StoreError;

namespace {

std::string OpenError(const std::string& connStr) {
    store::Connection conn;
    try {
        conn.Open(connStr);
    } catch (const StoreError& e) {
        EXPECT_FALSE(conn.IsOpen());
        return e.what();
    }
    return "opened";
}

bool Contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

// Holds a lock of a database file, as another program would: the write lock
// ("begin immediate") refuses every other writer, the exclusive lock ("begin
// exclusive") every other reader too.
class WriteLock {
  public:
    explicit WriteLock(const std::filesystem::path& file, const char* begin = "begin immediate") {
        sqlite3_open(text::PathUtf8(file).c_str(), &db_);
        EXPECT_EQ(sqlite3_exec(db_, begin, nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~WriteLock() {
        sqlite3_exec(db_, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }

  private:
    sqlite3* db_ = nullptr;
};

}  // namespace

TEST(Connection, RefusesAMissingOrForeignFileWithAClearText) {
    StoreCopy copy;
    const std::string dir = copy.Directory();
    std::filesystem::remove(copy.DatabasePath());
    std::string text = OpenError(store::BuildConnStr(dir));
    EXPECT_TRUE(Contains(text, "找不到成语数据库文件")) << text;
    EXPECT_TRUE(Contains(text, "IdiomDB.dll")) << text;

    std::ofstream(copy.DatabasePath()) << "Standard Jet DB, or any other text";
    EXPECT_TRUE(Contains(OpenError(store::BuildConnStr(dir)), "不是成语数据库"));

    std::ofstream(copy.DatabasePath(), std::ios::trunc).close();  // zero bytes
    EXPECT_TRUE(Contains(OpenError(store::BuildConnStr(dir)), "不是成语数据库"));

    std::filesystem::remove(copy.DatabasePath());
    copy.Execute("create table Other (x)");  // a database, but not of idioms
    EXPECT_TRUE(Contains(OpenError(store::BuildConnStr(dir)), "不是成语数据库"));

    std::filesystem::remove(copy.DatabasePath());
    std::filesystem::create_directory(copy.DatabasePath());
    EXPECT_NE(OpenError(store::BuildConnStr(dir)), "opened");
}

TEST(Connection, SaysSoWhenAnotherProgramLocksTheFile) {
    StoreCopy copy;
    WriteLock lock(copy.DatabasePath(), "begin exclusive");
    const std::string text = OpenError(copy.Access().ConnStr);
    EXPECT_TRUE(Contains(text, "正被另一个程序使用")) << text;
    EXPECT_FALSE(Contains(text, "不是成语数据库")) << text;
}

// Connections of one program read at the same time (the browse tree's
// read-ahead while the start-up opens its own). Under Windows every read
// lock passes through a short exclusive lock of one byte, so two readers
// meeting there must wait for each other rather than report the file as used
// by another program.
TEST(Connection, ReadersAtTheSameMomentWaitForEachOther) {
    StoreCopy copy;
    const std::string connStr = copy.Access().ConnStr;
    int failures = 0;
    std::string firstFailure;
    std::mutex failureMutex;
    auto read = [&] {
        for (int round = 0; round < 60; ++round) {
            try {
                store::Connection conn;
                conn.Open(connStr);
                store::RecordSet rs(conn);
                for (const char letter : std::string("ABCDEFGH")) {
                    rs.Open(store::BrowseLetterStatement(letter));
                    while (!rs.eof())
                        rs.movenext();
                    rs.close();
                }
            } catch (const StoreError& e) {
                const std::lock_guard lock(failureMutex);
                if (failures++ == 0)
                    firstFailure = e.what();
            }
        }
    };
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i)
        readers.emplace_back(read);
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(failures, 0) << firstFailure;
}

TEST(Connection, OpensTheFixtureThroughTheConnectionString) {
    StoreCopy copy;
    EXPECT_EQ(OpenError(copy.Access().ConnStr), "opened");
}

// A list reads the file through a memory map, one idiom through read calls.
// The start-up connection stays open after its statements: without its
// memory map, but still reading and writing.
TEST(Connection, MapsTheFileForListsAndGivesTheMapBack) {
    StoreCopy copy;
    auto db = copy.Access();
    db.OpenConnection();
    auto mapSize = [&] {
        sqlite3_stmt* pragma = nullptr;
        sqlite3_prepare_v2(db.Conn->Database().get(), "pragma mmap_size", -1, &pragma, nullptr);
        const sqlite3_int64 size =
            sqlite3_step(pragma) == SQLITE_ROW ? sqlite3_column_int64(pragma, 0) : -1;
        sqlite3_finalize(pragma);
        return size;
    };
    db.Rs->Open(store::ExactIdiomStatement("海市蜃楼"));
    db.Rs->close();
    EXPECT_EQ(mapSize(), 0);
    db.Rs->Open(store::BrowseLetterStatement('A'));
    db.Rs->close();
    EXPECT_GT(mapSize(), 0);
    db.Conn->ReleaseMemory();
    EXPECT_EQ(mapSize(), 0);
    db.Rs->Open(store::ExactIdiomStatement("海市蜃楼"));
    ASSERT_FALSE(db.Rs->eof());
    db.Rs->Fields("Diy").SetValue("见解");
    db.Rs->update();
    db.CloseIdiomQuery();
    db.Conn->ReleaseMemory();  // closed: nothing to give back

    db.OpenIdiomQuery(store::ExactIdiomStatement("海市蜃楼"));
    EXPECT_EQ(db.Rs->Fields("Diy").Value(), "见解");
    db.CloseIdiomQuery();
}

TEST(RecordSet, ReadsFieldsByNameInAnyCaseAndNullAsEmpty) {
    StoreCopy copy;
    auto db = copy.Access();
    db.OpenIdiomQuery(store::ExactIdiomStatement("按图索骥"));
    ASSERT_FALSE(db.Rs->eof());
    EXPECT_EQ(db.Rs->Fields("ChengYu").Value(), "按图索骥");
    EXPECT_EQ(db.Rs->Fields("chengyu").Value(), "按图索骥");
    EXPECT_EQ(db.Rs->Fields("SPingYin").Value(), "ATSJ");
    EXPECT_EQ(db.Rs->Fields("PingYin").Value(), "àn tú suǒ jì");
    EXPECT_EQ(store::DecipherField(db.Rs->Fields("DianGu").Value()),
              "索：找；骥：良马。按照画像去寻求好马。比喻墨守成规办事；也比喻按照线索去寻求。");
    EXPECT_TRUE(db.Rs->Fields("Diy").IsNull());
    EXPECT_EQ(db.Rs->Fields("Diy").Value(), "");
    EXPECT_THROW(db.Rs->Fields("NoSuchField"), StoreError);
    db.Rs->movenext();
    EXPECT_TRUE(db.Rs->eof());
    EXPECT_THROW(db.Rs->movenext(), StoreError);
    EXPECT_THROW(db.Rs->Fields("ChengYu"), StoreError);
    db.CloseIdiomQuery();

    copy.Execute("update ChenYu set Diy = '' where ChengYu = '按图索骥'");
    db.OpenIdiomQuery(store::ExactIdiomStatement("按图索骥"));
    EXPECT_FALSE(db.Rs->Fields("Diy").IsNull());
    EXPECT_EQ(db.Rs->Fields("Diy").Value(), "");
}

TEST(RecordSet, UpdateWritesTheCurrentRowAtOnce) {
    StoreCopy copy;
    auto db = copy.Access();
    db.OpenIdiomQuery(store::ExactIdiomStatement("井底之蛙"));
    const std::string note = "\r\n  坐井观天。  \r\n";
    db.Rs->Fields("Diy").SetValue(note);
    EXPECT_EQ(db.Rs->Fields("Diy").Value(), note);
    db.Rs->update();
    {
        // Another reader sees the note while the record set is still open.
        auto other = copy.Access();
        other.OpenIdiomQuery(store::ExactIdiomStatement("井底之蛙"));
        EXPECT_EQ(other.Rs->Fields("Diy").Value(), note);
    }
    db.CloseIdiomQuery();
    db.OpenIdiomQuery(store::ExactIdiomStatement("自相矛盾"));
    EXPECT_TRUE(db.Rs->Fields("Diy").IsNull());  // no other row was touched
}

TEST(RecordSet, AnUpdateTheFileRefusesWritesNothing) {
    StoreCopy copy;
    auto db = copy.Access();
    db.OpenIdiomQuery(store::ExactIdiomStatement("老马识途"));
    db.Rs->Fields("Diy").SetValue("笔记");
    db.Rs->Fields("PingYin").SetValue("changed");
    try {
        WriteLock lock(copy.DatabasePath());
        db.Rs->update();
        ADD_FAILURE() << "written under another program's lock";
    } catch (const StoreError& e) {
        EXPECT_TRUE(Contains(e.what(), "文件正被另一个程序使用")) << e.what();
    }
    db.CloseIdiomQuery();
    db.OpenIdiomQuery(store::ExactIdiomStatement("老马识途"));
    EXPECT_TRUE(db.Rs->Fields("Diy").IsNull());
    EXPECT_EQ(db.Rs->Fields("PingYin").Value(), "lǎo mǎ shí tú");
}

TEST(RecordSet, AFileMarkedReadOnlyIsReadButNeverWritten) {
    StoreCopy copy;
    namespace fs = std::filesystem;
    fs::permissions(copy.DatabasePath(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    auto db = copy.Access();
    db.OpenIdiomQuery(store::ExactIdiomStatement("老马识途"));
    db.Rs->Fields("Diy").SetValue("笔记");
    try {
        db.Rs->update();
        ADD_FAILURE() << "written into a read-only file";
    } catch (const StoreError& e) {
        EXPECT_TRUE(Contains(e.what(), "文件是只读的")) << e.what();
    }
    db.CloseIdiomQuery();
    fs::permissions(copy.DatabasePath(), fs::perms::owner_write, fs::perm_options::add);
    db.OpenIdiomQuery(store::ExactIdiomStatement("老马识途"));
    EXPECT_TRUE(db.Rs->Fields("Diy").IsNull());
}

TEST(RecordSet, ShowsDamagedStoredValuesForWhatTheyAre) {
    StoreCopy copy;
    copy.Execute("update ChenYu set DianGu = 'ABC', ChuChu = 'A1G2' where ChengYu = '沧海桑田'");
    auto db = copy.Access();
    db.OpenIdiomQuery(store::ExactIdiomStatement("沧海桑田"));
    EXPECT_FALSE(store::DecipherField(text::Trim(db.Rs->Fields("DianGu").Value())).has_value());
    EXPECT_THROW(store::DecipherField(db.Rs->Fields("ChuChu").Value()), store::ConversionError);
}

TEST(DataAccess, ReplacesItsObjectsForEveryQuery) {
    StoreCopy copy;
    auto db = copy.Access();
    db.OpenIdiomQuery(store::ExactIdiomStatement("自相矛盾"));
    db.OpenIdiomQuery(store::ExactIdiomStatement("老马识途"));
    EXPECT_EQ(db.Rs->Fields("ChengYu").Value(), "老马识途");
    EXPECT_TRUE(db.Conn->IsOpen());
    db.CloseIdiomQuery();
    EXPECT_FALSE(db.Conn->IsOpen());
    EXPECT_TRUE(db.Rs->eof());
    // Nothing holds the file any more: the record set cannot run again.
    EXPECT_THROW(db.Rs->Open(store::ExactIdiomStatement("老马识途")), StoreError);
}

TEST(DataAccess, FailsToOpenWithoutADatabaseAndKeepsNothingOpen) {
    StoreCopy copy;
    auto db = copy.Access();
    std::filesystem::remove(copy.DatabasePath());
    EXPECT_THROW(db.OpenIdiomQuery(store::KeywordStatement("")), StoreError);
    EXPECT_FALSE(db.Conn->IsOpen());
}
