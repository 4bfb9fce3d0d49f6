// A list of idioms kept one after another in a single buffer. The browse
// tree is built from tens of thousands of them, each a few characters long:
// a string object each would take several times their size. The buffer is
// reserved at once, large enough for any letter of the dictionary: a
// reservation that large comes straight from the system, in pages that
// take memory only once written, and goes back to it whole when freed,
// where a buffer grown step by step would leave holes in the heap for the
// rest of the run.
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

namespace store {

class IdiomList {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        Iterator() = default;
        explicit Iterator(const char* at) : at_(at) {}
        std::string_view operator*() const { return {at_ + sizeof(uint32_t), Length()}; }
        Iterator& operator++() {
            at_ += sizeof(uint32_t) + Length();
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator&) const = default;

      private:
        uint32_t Length() const {
            uint32_t length;
            std::memcpy(&length, at_, sizeof length);
            return length;
        }
        const char* at_ = nullptr;
    };

    void Add(std::string_view idiom);

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    Iterator begin() const { return Iterator(text_.data()); }
    Iterator end() const { return Iterator(text_.data() + text_.size()); }

  private:
    std::string text_;  // each idiom's length, then its bytes
    size_t count_ = 0;
};

}  // namespace store
