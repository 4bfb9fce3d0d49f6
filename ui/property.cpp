#include "ui/property.h"

namespace ui {

bool TPersistent::GetProperty(std::string_view, PropertyValue&) const {
    return false;
}

bool TPersistent::SetProperty(std::string_view, const PropertyValue&) {
    return false;
}

bool TPersistent::HasProperty(std::string_view name) const {
    PropertyValue ignored;
    return GetProperty(name, ignored);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

}  // namespace ui
