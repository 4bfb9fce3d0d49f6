// Values of properties that are read and written by name at run time.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace ui {

class TPersistent;

// Booleans, integers (colours and sizes among them), texts (captions and the
// names of enumeration values such as "bsNone") and objects (fonts, bitmaps,
// other components).
using PropertyValue = std::variant<bool, int64_t, std::string, TPersistent*>;

// An object whose properties can be reached by name. Names compare without
// regard to letter case.
class TPersistent {
  public:
    virtual ~TPersistent() = default;
    // The value of the named property, or nothing when the object has none.
    virtual bool GetProperty(std::string_view name, PropertyValue& value) const;
    // Sets the named property; false when the object has none of that name
    // or the value is of the wrong kind.
    virtual bool SetProperty(std::string_view name, const PropertyValue& value);
    bool HasProperty(std::string_view name) const;
};

bool SameName(std::string_view a, std::string_view b);

// Typed access to a property value; false for a value of another kind.
template <class T>
bool Extract(const PropertyValue& value, T& out) {
    if (const T* p = std::get_if<T>(&value)) {
        out = *p;
        return true;
    }
    return false;
}
// Integers of any width travel as int64_t.
template <class T>
requires(std::is_integral_v<T> && !std::is_same_v<T, bool> &&
         !std::is_same_v<T, int64_t>) bool Extract(const PropertyValue& value, T& out) {
    if (const int64_t* p = std::get_if<int64_t>(&value)) {
        out = static_cast<T>(*p);
        return true;
    }
    return false;
}

}  // namespace ui
