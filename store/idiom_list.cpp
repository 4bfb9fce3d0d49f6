#include "store/idiom_list.h"

namespace store {
namespace {

// What the heaps of Windows and Wine leave to the system (from half a
// megabyte and from just under one), and many times the largest letter.
constexpr size_t kReservation = size_t{1} << 20;

}  // namespace

void IdiomList::Add(std::string_view idiom) {
    if (text_.capacity() < kReservation)
        text_.reserve(kReservation);
    const auto length = static_cast<uint32_t>(idiom.size());
    text_.append(reinterpret_cast<const char*>(&length), sizeof length);
    text_.append(idiom);
    ++count_;
}

}  // namespace store
