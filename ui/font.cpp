#include "ui/font.h"

namespace ui {

void TFont::SetName(std::string name) {
    name_ = std::move(name);
    Changed();
}

void TFont::SetHeight(int height) {
    height_ = height;
    Changed();
}

int TFont::Size() const {
    const int h = height_ < 0 ? -height_ : height_;
    return (h * 72 + kPixelsPerInch / 2) / kPixelsPerInch;
}

void TFont::SetSize(int points) {
    SetHeight(-((points * kPixelsPerInch + 36) / 72));
}

void TFont::SetColor(TColor color) {
    color_ = color;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    style_ = style;
    Changed();
}

void TFont::SetCharset(int charset) {
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_ && charset_ == other.charset_;
}

bool TFont::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "Name")) {
        value = name_;
    } else if (SameName(name, "Height")) {
        value = int64_t{height_};
    } else if (SameName(name, "Size")) {
        value = int64_t{Size()};
    } else if (SameName(name, "Color")) {
        value = int64_t{color_};
    } else if (SameName(name, "Style")) {
        value = int64_t{style_};
    } else if (SameName(name, "Charset")) {
        value = int64_t{charset_};
    } else {
        return false;
    }
    return true;
}

bool TFont::SetProperty(std::string_view name, const PropertyValue& value) {
    std::string text;
    int64_t number = 0;
    if (SameName(name, "Name") && Extract(value, text)) {
        SetName(text);
    } else if (!Extract(value, number)) {
        return false;
    } else if (SameName(name, "Height")) {
        SetHeight(static_cast<int>(number));
    } else if (SameName(name, "Size")) {
        SetSize(static_cast<int>(number));
    } else if (SameName(name, "Color")) {
        SetColor(static_cast<TColor>(number));
    } else if (SameName(name, "Style")) {
        SetStyle(static_cast<unsigned>(number));
    } else if (SameName(name, "Charset")) {
        SetCharset(static_cast<int>(number));
    } else {
        return false;
    }
    return true;
}

void TFont::Changed() {
    if (OnChange)
        OnChange();
}

}  // namespace ui
