#include "skin/manager_decisions.h"

#include "skin/skin_data.h"
#include "text/text_rules.h"

namespace skin {
namespace {

// The Tag that keeps a form in its ordinary frame, whatever DisableTag says.
constexpr int kUnskinnedFormTag = 99;

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TSkinData* LastOfType(std::span<const AnnouncedSkinData> announced, TSkinFormType type) {
    for (auto it = announced.rbegin(); it != announced.rend(); ++it) {
        if (it->Data->SkinFormtype == type)
            return it->Data;
    }
    return nullptr;
}

}  // namespace

SkinWindowAnswer DecideSkinWindow(const WindowFacts& window,
                                  std::span<const AnnouncedSkinData> announced,
                                  TSkinData* mainSkinData) {
    const auto refuse = [](SkinWindowTest test) { return SkinWindowAnswer{test, nullptr}; };
    if (!window.ManagerEnabled)
        return refuse(SkinWindowTest::Enabled);
    if (window.AnswersSkinned || window.Listed)
        return refuse(SkinWindowTest::NotYetSkinned);
    const bool plainChild = window.ChildStyle && !window.MdiChildStyle &&
                            text::LowerAscii(window.ParentClass) != "mdiclient";
    if (!window.Enumerating && plainChild)
        return refuse(SkinWindowTest::NotPlainChild);
    if (!window.ApplicationWidget && !window.OfThisModule && window.ClassName != "#32770")
        return refuse(SkinWindowTest::OursOrDialog);
    if (window.EmptyRect && !window.MdiChildStyle)
        return refuse(SkinWindowTest::HasArea);
    if (window.HasWidgetObject && window.WidgetTag == kUnskinnedFormTag)
        return refuse(SkinWindowTest::NotTag99);
    if (Contains(window.ClassName, "TcxPopupEditPopupWindow") || window.ClassName == "TApplication")
        return refuse(SkinWindowTest::ClassAllowed);
    if (mainSkinData) {
        const bool preview = Contains(text::LowerAscii(window.ClassName), "preview");
        if ((preview && !mainSkinData->Options.Contains(TSkinOption::xoPreview)) ||
            !mainSkinData->AllowFormSkin(window.Handle, window.ClassName)) {
            return refuse(SkinWindowTest::PreviewAndVeto);
        }
    }
    TSkinData* chosen = ChooseSkinData(window.ClassName, announced);
    if (!chosen || chosen->NotLoaded())
        return refuse(SkinWindowTest::SkinDataReady);
    return {SkinWindowTest::Passed, chosen};
}

TSkinData* ChooseSkinData(std::string_view className,
                          std::span<const AnnouncedSkinData> announced) {
    for (auto it = announced.rbegin(); it != announced.rend(); ++it) {
        if (it->Data->SkinFormtype == TSkinFormType::sfOnlyThisForm && it->OwnedByThisWindow)
            return it->Data;
    }
    const std::string lower = text::LowerAscii(className);
    if (lower == "tmessageform" || lower == "#32770") {
        if (TSkinData* dialog = LastOfType(announced, TSkinFormType::sfDialog))
            return dialog;
    }
    if (TSkinData* main = LastOfType(announced, TSkinFormType::sfMainform))
        return main;
    return announced.empty() ? nullptr : announced.front().Data;
}

bool MenuContextSkinned(MenuContext context, TSkinControls controls) {
    switch (context) {
        case MenuContext::Ordinary:
            return controls.Contains(TSkinControlType::xcPopupMenu);
        case MenuContext::MenuBar:
            return controls.Contains(TSkinControlType::xcMainMenu) ||
                   controls.Contains(TSkinControlType::xcMenuItem);
        case MenuContext::SystemMenu:
            return controls.Contains(TSkinControlType::xcSystemMenu);
    }
    return false;
}

}  // namespace skin
