// Builds the idiom database from the idiom data (UTF-8, tab-separated: word,
// pinyin, initials, explanation, source, example; "\\", "\t" and "\n"
// escaped). The rows are stored in dictionary order; the story, source and
// example under the field cipher; the note field starts as Null.
//
//   make_idiom_db IDIOMS.tsv IdiomDB.dll
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "dictionary_order.h"
#include "store/field_cipher.h"
#include "text/text_rules.h"

namespace {

std::string Unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size()) {
            const char next = field[++i];
            out += next == 't' ? '\t' : next == 'n' ? '\n' : next;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(Unescape(line.substr(start, tab - start)));
    }
    fields.push_back(Unescape(line.substr(start)));
    return fields;
}

bool Check(sqlite3* db, int rc, const char* what) {
    if (rc == SQLITE_OK || rc == SQLITE_DONE)
        return true;
    std::cerr << "make_idiom_db: " << what << ": " << sqlite3_errmsg(db) << "\n";
    return false;
}

constexpr const char* kSchema =
    "pragma journal_mode = off;"
    "create table ChenYu (ChengYu text, SPingYin text, PingYin text,"
    " DianGu text, ChuChu text, LiZi text, Diy text);"
    "create index ChenYuByIdiom on ChenYu (ChengYu);"
    // The browse statements' "like 'X___'" is a range of this index: like
    // ignores the letter case of ASCII, and so does the index.
    "create index ChenYuByInitials on ChenYu (SPingYin collate nocase);";

struct Row {
    std::string key;
    std::string values[6];
};

// Reads the data file into rows in dictionary order; false on a malformed line.
bool ReadRows(std::istream& in, std::vector<Row>& rows) {
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::vector<std::string> f = SplitTabs(line);
        if (f.size() != 6) {
            std::cerr << "make_idiom_db: line " << lineNumber << ": expected 6 fields, found "
                      << f.size() << "\n";
            return false;
        }
        rows.push_back({DictionaryKey(f[0], f[1]),
                        {f[0], text::UpperAscii(f[2]), f[1], store::EncipherField(f[3]),
                         store::EncipherField(f[4]), store::EncipherField(f[5])}});
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    return true;
}

bool WriteRows(sqlite3* db, const std::vector<Row>& rows) {
    if (!Check(db, sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr), "schema") ||
        !Check(db, sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), "begin")) {
        return false;
    }
    sqlite3_stmt* insert = nullptr;
    if (!Check(db,
               sqlite3_prepare_v2(db, "insert into ChenYu values (?, ?, ?, ?, ?, ?, null)", -1,
                                  &insert, nullptr),
               "prepare")) {
        return false;
    }
    bool ok = true;
    for (const Row& row : rows) {
        for (int i = 0; i < 6; ++i) {
            sqlite3_bind_text(insert, i + 1, row.values[i].data(),
                              static_cast<int>(row.values[i].size()), SQLITE_STATIC);
        }
        ok = Check(db, sqlite3_step(insert), "insert");
        sqlite3_reset(insert);
        if (!ok)
            break;
    }
    sqlite3_finalize(insert);
    return ok && Check(db, sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), "commit");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_idiom_db IDIOMS.tsv OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<Row> rows;
    if (!in) {
        std::cerr << "make_idiom_db: cannot read " << argv[1] << "\n";
        return 1;
    }
    if (!ReadRows(in, rows))
        return 1;

    const std::string output = argv[2];
    const std::string partial = output + ".partial";
    std::filesystem::remove(partial);
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(partial.c_str(), &db) == SQLITE_OK && WriteRows(db, rows);
    sqlite3_close(db);
    if (!ok) {
        std::cerr << "make_idiom_db: cannot write " << partial << "\n";
        std::filesystem::remove(partial);
        return 1;
    }
    std::filesystem::rename(partial, output);
    return 0;
}
