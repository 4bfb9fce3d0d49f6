// A list of idioms kept one after another in a single buffer. The browse
// tree is built from tens of thousands of them, each a few characters long:
// a string object each would take several times their size, and their
// growth would leave the heap far larger than what stays in it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class IdiomList {
  public:
    void Add(std::string_view idiom);

    size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](size_t index) const;

  private:
    std::string text_;
    std::vector<uint32_t> ends_;  // where each idiom ends in `text_`
};

}  // namespace store
