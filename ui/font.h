// A font as controls carry it: face, height, colour, style and character set.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/color.h"
#include "ui/property.h"

namespace ui {

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

constexpr int kDefaultCharset = 1;
constexpr int kGb2312Charset = 134;
constexpr int kPixelsPerInch = 96;

class TFont : public TPersistent {
  public:
    // Called after every change (the control then gives its window the new font).
    std::function<void()> OnChange;

    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    // Negative: the character height in pixels, as the system counts it.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 dots per inch, derived from Height.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // Copies every attribute, then reports one change.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  private:
    void Changed();

    std::string name_ = "宋体";
    int height_ = -12;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
    int charset_ = kDefaultCharset;
};

}  // namespace ui
