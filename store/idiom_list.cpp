#include "store/idiom_list.h"

namespace store {

void IdiomList::Add(std::string_view idiom) {
    text_.append(idiom);
    ends_.push_back(static_cast<uint32_t>(text_.size()));
}

std::string_view IdiomList::operator[](size_t index) const {
    const uint32_t begin = index == 0 ? 0 : ends_.at(index - 1);
    return std::string_view(text_).substr(begin, ends_.at(index) - begin);
}

}  // namespace store
