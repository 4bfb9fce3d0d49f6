// The browse tree's idioms read ahead: the browse statements of every letter
// run one after the other on a connection of their own, in a thread of their
// own, while the program is still making its windows. The tree then takes
// each letter's idioms in turn and waits only for one not read yet.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "store/idiom_list.h"

namespace store {

// What was read of one letter: its idioms, trimmed, in the order of the
// letter's statement, and what reading them met, if anything (the store's
// error, as the same statement on the caller's own connection would meet
// it) after the idioms before it.
struct LetterIdioms {
    IdiomList idioms;
    std::exception_ptr failure;
};

class BrowsePrefetch {
  public:
    // Starts reading the letters, in this order, from the database that
    // `connStr` names. `lastOnReader`, if any, is the reading thread's last
    // call, made after every letter has been handed over.
    BrowsePrefetch(std::string connStr, std::string_view letters,
                   std::function<void()> lastOnReader = {});
    // Waits for the reading to end.
    ~BrowsePrefetch();
    BrowsePrefetch(const BrowsePrefetch&) = delete;
    BrowsePrefetch& operator=(const BrowsePrefetch&) = delete;

    // The letter at `index` of the letters, once read; each is taken once.
    // The reading ends at a failure: every later letter has the same and
    // no idioms.
    LetterIdioms Take(size_t index);

  private:
    void Read(const std::string& connStr, const std::string& letters);
    void ReadLetters(const std::string& connStr, const std::string& letters);

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<std::optional<LetterIdioms>> letters_;
    std::function<void()> lastOnReader_;
    std::thread reader_;
};

}  // namespace store
