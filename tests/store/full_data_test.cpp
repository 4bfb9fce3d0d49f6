// Checks of the real idiom database against the data it was built from.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "store/connection_string.h"
#include "store/data_access.h"
#include "store/field_cipher.h"
#include "text/text_rules.h"

namespace {

struct Source {
    std::string pinyin, initials, story, origin, example;
};

std::map<std::string, Source> ReadData() {
    std::ifstream in(LEXORA_IDIOMS_TSV, std::ios::binary);
    std::map<std::string, Source> data;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
            f.push_back(line.substr(start, tab - start));
        }
        f.push_back(line.substr(start));
        if (f.size() == 6)
            data[f[0]] = {f[1], f[2], f[3], f[4], f[5]};
    }
    return data;
}

struct Row {
    std::string idiom, initials, pinyin;
};

store::DataAccess FullStore() {
    store::DataAccess db;
    db.ConnStr =
        store::BuildConnStr(std::filesystem::path(LEXORA_FULL_DB).parent_path().string() + "/");
    return db;
}

}  // namespace

TEST(FullData, EveryIdiomReadsBackExactlyAsTheDataGivesIt) {
    const auto data = ReadData();
    ASSERT_EQ(data.size(), 30926u);
    auto db = FullStore();
    db.OpenIdiomQuery(store::KeywordStatement(""));
    size_t rows = 0;
    while (!db.Rs->eof()) {
        const std::string idiom = db.Rs->Fields("ChengYu").Value();
        const auto it = data.find(idiom);
        ASSERT_NE(it, data.end()) << idiom;
        EXPECT_EQ(db.Rs->Fields("SPingYin").Value(), text::UpperAscii(it->second.initials));
        EXPECT_EQ(db.Rs->Fields("PingYin").Value(), it->second.pinyin);
        EXPECT_EQ(store::DecipherField(db.Rs->Fields("DianGu").Value()), it->second.story) << idiom;
        EXPECT_EQ(store::DecipherField(db.Rs->Fields("ChuChu").Value()), it->second.origin)
            << idiom;
        EXPECT_EQ(store::DecipherField(db.Rs->Fields("LiZi").Value()), it->second.example) << idiom;
        EXPECT_TRUE(db.Rs->Fields("Diy").IsNull());
        ++rows;
        db.Rs->movenext();
    }
    EXPECT_EQ(rows, data.size());
}

TEST(FullData, IdiomsStandInDictionaryOrder) {
    auto db = FullStore();
    db.OpenIdiomQuery(store::KeywordStatement(""));
    std::vector<Row> rows;
    std::map<std::string, size_t> position;
    while (!db.Rs->eof()) {
        position[db.Rs->Fields("ChengYu").Value()] = rows.size();
        rows.push_back({db.Rs->Fields("ChengYu").Value(), db.Rs->Fields("SPingYin").Value(),
                        db.Rs->Fields("PingYin").Value()});
        db.Rs->movenext();
    }
    ASSERT_EQ(rows.size(), 30926u);
    EXPECT_EQ(rows.front().idiom, "阿鼻地狱");
    // By the first letter of the reading throughout.
    for (size_t i = 1; i < rows.size(); ++i) {
        ASSERT_LE(rows[i - 1].initials[0], rows[i].initials[0])
            << rows[i - 1].idiom << " before " << rows[i].idiom;
    }
    // Tone order within a syllable, then the following characters.
    EXPECT_LT(position.at("阿鼻地狱"), position.at("哀兵必胜"));
    EXPECT_LT(position.at("安步当车"), position.at("按图索骥"));  // ān before àn
    EXPECT_LT(position.at("按图索骥"), position.at("八面玲珑"));
    EXPECT_LT(position.at("八面玲珑"), position.at("八仙过海，各显神通"));
    // A polyphone sorts by its reading in the idiom: 阿 is ē in 阿谀奉承.
    const size_t flattery = position.at("阿谀奉承");
    EXPECT_EQ(rows[flattery - 1].initials[0], 'E');
    EXPECT_EQ(rows[flattery + 1].initials[0], 'E');
    // A character outside the common GBK set sorts by its reading (jǔ), not
    // by its code.
    const size_t rare = position.at("龃龉不合");
    EXPECT_EQ(rows[rare - 1].pinyin.substr(0, 3), "j\xc7\x94");
    EXPECT_EQ(rows[rare + 1].pinyin.substr(0, 1), "j");
}

TEST(FullData, BrowseLettersCoverTheFourLetterIdioms) {
    auto db = FullStore();
    db.OpenConnection();
    size_t browsed = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        db.Rs->Open(store::BrowseLetterStatement(letter));
        while (!db.Rs->eof()) {
            ASSERT_EQ(db.Rs->Fields("SPingYin").Value().size(), 4u);
            ++browsed;
            db.Rs->movenext();
        }
        db.Rs->close();
    }
    EXPECT_EQ(browsed, 29553u);
}
