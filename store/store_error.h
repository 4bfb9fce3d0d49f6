// The errors of the idiom store. Their texts are shown to the user as they
// stand, so they are complete sentences in the program's language.
#pragma once

#include <stdexcept>
#include <string>

namespace store {

// The database cannot be opened, read or written.
class StoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A stored value is not the text it should be (for instance a hexadecimal
// pair that is not hexadecimal).
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace store
