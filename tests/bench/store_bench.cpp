// Figures of the idiom store on the real database: prints, for `make bench`,
// the number of rows, the file size and the time of the statements that the
// program's commands run, each the median of several runs.
//
//   store_bench PATH/TO/DIRECTORY/
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "store/connection_string.h"
#include "store/data_access.h"
#include "store/field_cipher.h"
#include "text/text_rules.h"
#include "text/utf8_path.h"
#include "timing.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: store_bench DIRECTORY/\n");
        return 2;
    }
    store::DataAccess db;
    db.ConnStr = store::BuildConnStr(argv[1]);

    std::vector<std::string> idioms;
    db.OpenIdiomQuery(store::KeywordStatement(""));
    for (; !db.Rs->eof(); db.Rs->movenext())
        idioms.push_back(db.Rs->Fields("ChengYu").Value());
    db.CloseQuery();

    const double browse = MedianMilliseconds(5, [&] {
        db.OpenConnection();
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            if (letter == 'I' || letter == 'U' || letter == 'V')
                continue;
            db.Rs->Open(store::BrowseLetterStatement(letter));
            for (; !db.Rs->eof(); db.Rs->movenext())
                text::Trim(db.Rs->Fields("ChengYu").Value());
            db.Rs->close();
        }
    });
    const double everything = MedianMilliseconds(5, [&] {
        db.OpenIdiomQuery(store::KeywordStatement(""));
        for (; !db.Rs->eof(); db.Rs->movenext())
            db.Rs->Fields("ChengYu").Value();
        db.CloseQuery();
    });
    const double lookups = MedianMilliseconds(3, [&] {
        for (size_t i = 0; i < 1000; ++i) {
            db.OpenIdiomQuery(store::ExactIdiomStatement(idioms[(i * 7919) % idioms.size()]));
            for (const char* field : {"DianGu", "ChuChu", "LiZi"}) {
                store::DecipherField(text::Trim(db.Rs->Fields(field).Value()));
            }
            db.Rs->Fields("Diy").Value();
            db.CloseQuery();
        }
    });
    const auto bytes = std::filesystem::file_size(text::Utf8Path(store::DataSourceOf(db.ConnStr)));

    std::printf("  rows in the store                         %zu\n", idioms.size());
    std::printf("  database file                             %.1f MB (%ju bytes)\n", bytes / 1e6,
                static_cast<uintmax_t>(bytes));
    std::printf("  open + the 23 browse statements           %.1f ms\n", browse);
    std::printf("  empty-keyword search over all idioms      %.1f ms\n", everything);
    std::printf("  1,000 exact lookups with deciphering      %.1f ms (%.3f ms each)\n", lookups,
                lookups / 1000);
    return 0;
}
