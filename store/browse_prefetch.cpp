#include "store/browse_prefetch.h"

#include "store/connection.h"
#include "store/record_set.h"
#include "store/statements.h"
#include "text/text_rules.h"

namespace store {

BrowsePrefetch::BrowsePrefetch(std::string connStr, std::string_view letters,
                               std::function<void()> lastOnReader)
    : letters_(letters.size()),
      lastOnReader_(std::move(lastOnReader)),
      reader_(&BrowsePrefetch::Read, this, std::move(connStr), std::string(letters)) {}

BrowsePrefetch::~BrowsePrefetch() {
    reader_.join();
}

void BrowsePrefetch::Read(const std::string& connStr, const std::string& letters) {
    ReadLetters(connStr, letters);
    if (lastOnReader_) {
        try {
            lastOnReader_();
        } catch (...) {
            // Every letter is handed over already; nothing may leave the thread.
        }
    }
}

void BrowsePrefetch::ReadLetters(const std::string& connStr, const std::string& letters) {
    size_t index = 0;
    LetterIdioms read;
    // Nothing may leave the thread: a failure goes to the taker of the
    // letter it happened at.
    try {
        Connection connection;
        connection.Open(connStr);
        RecordSet rs(connection);
        for (; index < letters.size(); ++index) {
            rs.Open(BrowseLetterStatement(letters[index]));
            for (; !rs.eof(); rs.movenext())
                read.idioms.Add(text::Trim(rs.Fields("ChengYu").Value()));
            rs.close();
            const std::lock_guard lock(mutex_);
            letters_[index] = std::move(read);
            read = {};
            ready_.notify_all();
        }
    } catch (...) {
        read.failure = std::current_exception();
        const std::lock_guard lock(mutex_);
        for (; index < letters.size(); ++index) {
            letters_[index] = std::move(read);
            read = {{}, letters_[index]->failure};
        }
        ready_.notify_all();
    }
}

LetterIdioms BrowsePrefetch::Take(size_t index) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [&] { return letters_.at(index).has_value(); });
    return std::move(*letters_[index]);
}

}  // namespace store
