#include "app/skin_menu.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "settings/scratch_directory.h"

using settings::SettingsFile;

namespace {

// The five check marks and the skins loaded, in order.
struct Menu : settings::SkinMenuView {
    explicit Menu(std::string path) : path(std::move(path)) {}

    void LoadSkin(int index) override { loaded.push_back(index); }
    void SetSkinChecked(int index, bool on) override { checked.at(index) = on; }
    SettingsFile& ReopenSettings() override {
        ++reopened;
        ini = SettingsFile(path);
        return ini;
    }

    std::string path;
    SettingsFile ini{path};
    std::array<bool, 5> checked{};
    std::vector<int> loaded;
    int reopened = 0;
};

class SkinMenuTest : public ::testing::Test {
  protected:
    std::string Stored() const { return SettingsFile(path).ReadString("Setup", "Skin", "missing"); }

    ScratchDirectory dir;
    std::string path = dir.File("配置文件.ini");
    Menu menu{path};
};

TEST_F(SkinMenuTest, EachItemLoadsItsSkinChecksOnlyItselfAndIsSaved) {
    // From every item to every item, the one already current included.
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            settings::ChooseSkin(menu, from);
            menu.loaded.clear();
            const int reopened = menu.reopened;
            settings::ChooseSkin(menu, to);
            SCOPED_TRACE(testing::Message() << from << " to " << to);
            EXPECT_EQ(menu.loaded, std::vector<int>{to});
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(menu.checked[i], i == to) << i;
            EXPECT_EQ(Stored(), std::to_string(to));
            EXPECT_EQ(menu.reopened, reopened + 1) << "a fresh settings-file object";
        }
    }
}

TEST_F(SkinMenuTest, StartUpRunsTheSavedChoiceAndIgnoresOthers) {
    struct Row {
        const char* file;  // the [Setup] section as found, or null: no file
        int saved;         // what start-up read from it
        std::vector<int> loaded;
        int checked;  // -1: none
        const char* stored;
    };
    const std::vector<Row> rows = {
        {nullptr, 0, {0}, 0, "0"},  // the first start writes "Skin=0"
        {"[Setup]\r\nSkin=2\r\n", 2, {2}, 2, "2"},
        {"[Setup]\r\nSkin=4\r\n", 4, {4}, 4, "4"},
        {"[Setup]\r\nSkin=7\r\n", 7, {}, -1, "7"},
        {"[Setup]\r\nSkin=-1\r\n", -1, {}, -1, "-1"},
        {"[Setup]\r\nSkin=5\r\n", 5, {}, -1, "5"},
    };
    for (const Row& row : rows) {
        std::filesystem::remove(text::Utf8Path(path));
        if (row.file)
            std::ofstream(text::Utf8Path(path), std::ios::binary) << row.file;
        Menu fresh(path);
        settings::ApplySavedSkin(fresh, row.saved);
        SCOPED_TRACE(row.saved);
        EXPECT_EQ(fresh.loaded, row.loaded);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(fresh.checked[i], i == row.checked) << i;
        EXPECT_EQ(Stored(), row.stored);
    }
}

TEST_F(SkinMenuTest, ARefusedWriteComesAfterTheSwitch) {
    Menu unwritable(dir.File("missing/配置文件.ini"));
    EXPECT_THROW(settings::ChooseSkin(unwritable, 3), settings::WriteError);
    EXPECT_EQ(unwritable.loaded, std::vector<int>{3});
    EXPECT_TRUE(unwritable.checked[3]);
}

}  // namespace
