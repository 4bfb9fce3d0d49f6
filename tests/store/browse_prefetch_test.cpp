#include "store/browse_prefetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "store/store_error.h"
#include "store_fixture.h"
#include "text/text_rules.h"

namespace {

constexpr std::string_view kLetters = "ABCDEFGHJKLMNOPQRSTWXYZ";

// What the letter's statement gives on a record set of the caller's own.
std::vector<std::string> ReadDirectly(store::DataAccess& access, char letter) {
    access.OpenIdiomQuery(store::BrowseLetterStatement(letter));
    std::vector<std::string> idioms;
    for (; !access.Rs->eof(); access.Rs->movenext())
        idioms.push_back(text::Trim(access.Rs->Fields("ChengYu").Value()));
    access.CloseIdiomQuery();
    return idioms;
}

std::vector<std::string> Listed(const store::IdiomList& idioms) {
    return std::vector<std::string>(idioms.begin(), idioms.end());
}

std::string FailureText(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const store::StoreError& e) {
        return e.what();
    } catch (...) {
        return "not a store error";
    }
}

}  // namespace

// The reading thread's last call comes once, on that thread, after every
// letter was handed over.
TEST(BrowsePrefetch, GivesEachLetterWhatItsStatementGivesThenMakesTheLastCall) {
    StoreCopy copy;
    store::DataAccess access = copy.Access();
    std::atomic<int> lastCalls = 0;
    std::thread::id lastCallThread;
    std::optional<store::BrowsePrefetch> prefetch;
    prefetch.emplace(access.ConnStr, kLetters, [&] {
        lastCallThread = std::this_thread::get_id();
        ++lastCalls;
    });
    std::vector<store::LetterIdioms> read;
    for (size_t i = 0; i < kLetters.size(); ++i)
        read.push_back(prefetch->Take(i));
    prefetch.reset();
    size_t total = 0;
    for (size_t i = 0; i < kLetters.size(); ++i) {
        EXPECT_FALSE(read[i].failure) << kLetters[i];
        EXPECT_EQ(Listed(read[i].idioms), ReadDirectly(access, kLetters[i])) << kLetters[i];
        total += read[i].idioms.size();
    }
    EXPECT_GT(total, 0u);
    EXPECT_EQ(lastCalls, 1);
    EXPECT_NE(lastCallThread, std::this_thread::get_id());
}

// The reading ends at a failing letter: the letters before it are whole,
// it and every later one carry the store's error.
TEST(BrowsePrefetch, AFailingLetterEndsTheReadingThere) {
    StoreCopy copy;
    copy.Execute(
        "alter table ChenYu rename to Idioms;"
        "create view ChenYu as select rowid as rowid,"
        " case when SPingYin like 'J%' then abs(-9223372036854775808) else ChengYu end as ChengYu,"
        " SPingYin, PingYin, DianGu, ChuChu, LiZi, Diy from Idioms");
    store::DataAccess access = copy.Access();
    store::BrowsePrefetch prefetch(access.ConnStr, kLetters);
    const size_t j = kLetters.find('J');
    for (size_t i = 0; i < kLetters.size(); ++i) {
        const store::LetterIdioms read = prefetch.Take(i);
        if (i < j) {
            EXPECT_FALSE(read.failure) << kLetters[i];
            continue;
        }
        EXPECT_TRUE(read.idioms.empty()) << kLetters[i];
        ASSERT_TRUE(read.failure) << kLetters[i];
        EXPECT_NE(FailureText(read.failure).find("integer overflow"), std::string::npos)
            << FailureText(read.failure);
    }
}

TEST(BrowsePrefetch, AMissingDatabaseFailsTheFirstLetterAndEndsWhenNothingIsTaken) {
    StoreCopy copy;
    store::DataAccess access = copy.Access();
    std::filesystem::remove(copy.DatabasePath());
    {
        store::BrowsePrefetch prefetch(access.ConnStr, kLetters);
        const store::LetterIdioms read = prefetch.Take(0);
        ASSERT_TRUE(read.failure);
        EXPECT_NE(FailureText(read.failure).find("找不到成语数据库文件"), std::string::npos);
    }
    // Nothing taken: the reader ends on its own.
    store::BrowsePrefetch untouched(access.ConnStr, kLetters);
}
