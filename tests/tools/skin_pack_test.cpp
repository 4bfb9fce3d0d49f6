#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <sys/wait.h>

#include "skin/skin_reader.h"

namespace fs = std::filesystem;

namespace {

// A directory of member files for one test, removed afterwards.
class PackDir {
  public:
    PackDir()
        : dir_(fs::temp_directory_path() /
               ("lexora-pack-" + std::to_string(std::random_device()()))) {
        fs::create_directories(dir_);
    }
    ~PackDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // Runs skin_pack; answers its exit status.
    int Pack(const std::vector<std::string>& members) const {
        std::string command = std::string(SKIN_PACK) + " " + Path("out.skin");
        for (const std::string& m : members)
            command += " '" + m + "'";
        command += " 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::vector<uint8_t> Output() const {
        std::ifstream in(Path("out.skin"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

  private:
    fs::path dir_;
};

}  // namespace

TEST(SkinPack, PacksTheMembersInOrderUnderTheirFileNames) {
    PackDir dir;
    ASSERT_EQ(dir.Pack({dir.Put("Buttons.bmp", "BM1"), dir.Put("skin.ini", "[TitlebarSkin]\r\n"),
                        dir.Put("empty.bmp", "")}),
              0);
    skin::TSkinReader reader([](const std::string&) {});
    skin::MemoryStream archive(dir.Output());
    ASSERT_TRUE(reader.ReadArchive(archive));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"buttons.bmp", "skin.ini", "empty.bmp"}));
    skin::MemoryStream out;
    reader.ExtractFile("buttons.bmp", out);
    EXPECT_EQ(out.Bytes(), (std::vector<uint8_t>{'B', 'M', '1'}));
}

TEST(SkinPack, RefusesMembersTheProgramCouldNotTellApartOrFind) {
    PackDir dir;
    const std::string ini = dir.Put("skin.ini", "[TitlebarSkin]\r\n");
    const std::string a = dir.Put("a.bmp", "BM");
    EXPECT_NE(dir.Pack({ini, a, dir.Put("A.BMP", "BM")}), 0) << "names alike but for case";
    EXPECT_NE(dir.Pack({a}), 0) << "no definition";
    EXPECT_NE(dir.Pack({ini, a, dir.Put("other.ini", "")}), 0) << "two definitions";
    EXPECT_NE(dir.Pack({ini, dir.Put("按钮.bmp", "BM")}), 0) << "a name beyond ASCII";
    EXPECT_NE(dir.Pack({ini, dir.Path("missing.bmp")}), 0) << "a missing file";
    EXPECT_FALSE(fs::exists(dir.Path("out.skin")));
}
