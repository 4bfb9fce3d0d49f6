// The skin manager's decisions over the facts of a window: whether a window
// is skinned and with which skin data, and whether a menu window is.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "skin/skin_data_types.h"
#include "skin/window_handle.h"

namespace skin {

class TSkinData;

// What the window half reads of a window that is being activated or made.
struct WindowFacts {
    WindowHandle Handle = WindowHandle::None;
    std::string ClassName;
    bool ManagerEnabled = false;
    // It answers 0x3523 with 1: a skin object already handles it.
    bool AnswersSkinned = false;
    bool Listed = false;  // already in the manager's list
    bool HasWidgetObject = false;
    int WidgetTag = 0;
    // A switch-on pass is walking the application's forms.
    bool Enumerating = false;
    bool ChildStyle = false;     // WS_CHILD
    bool MdiChildStyle = false;  // WS_EX_MDICHILD
    std::string ParentClass;
    bool ApplicationWidget = false;  // one of the application's widget windows
    bool OfThisModule = false;
    bool EmptyRect = false;  // its window rectangle
};

// A skin data in the order it announced itself to the manager.
struct AnnouncedSkinData {
    TSkinData* Data = nullptr;
    // The skin data's owner is the window being decided.
    bool OwnedByThisWindow = false;
};

// The tests of SkinWindow that can refuse a window, by their number.
enum class SkinWindowTest {
    Passed = 0,
    Enabled = 1,
    NotYetSkinned = 3,
    NotPlainChild = 5,
    OursOrDialog = 6,
    HasArea = 7,
    NotTag99 = 8,
    ClassAllowed = 9,
    PreviewAndVeto = 10,
    SkinDataReady = 11,
};

struct SkinWindowAnswer {
    SkinWindowTest RefusedBy = SkinWindowTest::Passed;
    // The skin data to skin the window with, when no test refused it.
    TSkinData* SkinData = nullptr;
};

// The tests of SkinWindow in their order; the first that fails refuses the
// window. Purging the list beforehand, and attaching the frame afterwards,
// are the window half's. Without a main skin data the preview rule and the
// veto are skipped.
SkinWindowAnswer DecideSkinWindow(const WindowFacts& window,
                                  std::span<const AnnouncedSkinData> announced,
                                  TSkinData* mainSkinData);

// The skin data for a window: the last sfOnlyThisForm one its window owns;
// for the dialog classes the last sfDialog one; else the last sfMainform
// one; else the first announced. None when none is announced.
TSkinData* ChooseSkinData(std::string_view className, std::span<const AnnouncedSkinData> announced);

// The menu that a menu window shows, as the manager knows it.
enum class MenuContext { Ordinary = 0, MenuBar = 1, SystemMenu = 2 };

// Whether a menu window of this context is skinned.
bool MenuContextSkinned(MenuContext context, TSkinControls controls);

}  // namespace skin
