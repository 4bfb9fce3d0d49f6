#include <gtest/gtest.h>

#include <vector>

#include "ui/component.h"
#include "ui/font.h"

using ui::Make;
using ui::PropertyValue;
using ui::TComponent;

namespace {

// Records the order in which components go and what they were told.
std::vector<std::string> g_log;

class Part : public TComponent {
  public:
    Part(TComponent& owner, std::string name, Part* watched = nullptr)
        : TComponent(&owner), watched_(watched) {
        Name = std::move(name);
    }
    ~Part() override { g_log.push_back("free " + Name); }
    std::string ClassName() const override { return "TPart"; }
    void Notification(TComponent* removed) override {
        if (removed == watched_) {
            g_log.push_back(Name + " drops " + removed->Name);
            watched_ = nullptr;
        }
    }
    bool GetProperty(std::string_view name, PropertyValue& value) const override {
        if (ui::SameName(name, "Flat")) {
            value = flat;
            return true;
        }
        return TComponent::GetProperty(name, value);
    }
    bool SetProperty(std::string_view name, const PropertyValue& value) override {
        if (ui::SameName(name, "Flat"))
            return ui::Extract(value, flat);
        return TComponent::SetProperty(name, value);
    }
    bool flat = false;
    void Watch(Part* other) { watched_ = other; }

  private:
    Part* watched_;
};

class Root : public TComponent {
  public:
    Root() : TComponent(nullptr) {}
    std::string ClassName() const override { return "TRoot"; }
};

}  // namespace

TEST(Component, PropertiesAreFoundByNameInAnyLetterCase) {
    Root root;
    Part* part = Make<Part>(root, "Button1");
    PropertyValue value;
    ASSERT_TRUE(part->GetProperty("flat", value));
    EXPECT_EQ(std::get<bool>(value), false);
    EXPECT_TRUE(part->SetProperty("FLAT", true));
    EXPECT_TRUE(part->flat);
    // Inherited properties, and the kinds of value they take.
    EXPECT_TRUE(part->SetProperty("tag", int64_t{99}));
    EXPECT_EQ(part->Tag, 99);
    EXPECT_FALSE(part->SetProperty("Tag", std::string("99"))) << "a text is no integer";
    EXPECT_FALSE(part->SetProperty("Flat", int64_t{1})) << "an integer is no Boolean";
    EXPECT_TRUE(part->GetProperty("Name", value));
    EXPECT_EQ(std::get<std::string>(value), "Button1");
    EXPECT_FALSE(part->HasProperty("Glyph"));
    EXPECT_EQ(root.FindComponent("button1"), part);
    EXPECT_EQ(root.FindComponent("Button2"), nullptr);
}

TEST(Component, AnOwnerFreesItsPartsLastMadeFirstAndTellsTheOthers) {
    g_log.clear();
    {
        Root root;
        Part* tray = Make<Part>(root, "TrayIcon");
        Part* menu = Make<Part>(root, "PopupMenu");
        Make<Part>(root, "Label");
        tray->Watch(menu);  // a reference to a part made later, which goes first
    }
    EXPECT_EQ(g_log, (std::vector<std::string>{"free Label", "TrayIcon drops PopupMenu",
                                               "free PopupMenu", "free TrayIcon"}));
}

TEST(Component, APartFreedBeforeItsTimeGoesOnceAndTheOthersAreTold) {
    g_log.clear();
    {
        Root root;
        Part* tray = Make<Part>(root, "TrayIcon");
        Part* frame = Make<Part>(root, "Frame");
        tray->Watch(frame);
        root.FreeComponent(frame);
        EXPECT_EQ(root.Components(), std::vector<TComponent*>{tray});
        root.FreeComponent(frame);  // no longer its part: nothing happens
    }
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"TrayIcon drops Frame", "free Frame", "free TrayIcon"}));
}

TEST(Font, DerivesPointsFromPixelsAndReportsChanges) {
    ui::TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Size(), 9);  // 12 pixels at 96 dots per inch
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_TRUE(font.SetProperty("Style", int64_t{ui::fsBold}));
    EXPECT_EQ(font.Style(), unsigned{ui::fsBold});
    EXPECT_EQ(changes, 2);
    ui::TFont other;
    other.Assign(font);
    EXPECT_TRUE(other.SameAs(font));
}
