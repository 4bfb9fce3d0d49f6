// The frame object: what the skin manager attaches to each top-level window
// it skins. It takes over the window's non-client area: the frame's
// thickness, its pictures (composed by the portable code in skin/ and only
// blitted here), the outline cut along the skin's transparent corners, the
// caption buttons and their tracking, the skinned system menu and the
// skinned menu bar. The decisions are the portable code's; this object
// gathers the facts, asks, and acts.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/caption_buttons.h"
#include "skin/frame_facts.h"
#include "skin/frame_metrics.h"
#include "skin/frame_mouse.h"
#include "skin/menu_item_measure.h"
#include "skin/menu_tracking.h"
#include "skin/nc_element.h"
#include "skin/skin_data.h"
#include "skin/window/control_list.h"
#include "skin/window/owner_drawn_menu.h"
#include "skin/window/skin_menu_bar.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/handler_chain.h"
#include "ui/window_subclass.h"

namespace skin::window {

class SkinnedControls;
class TSkinManager;
struct SystemMenuSession;

enum class SkinState {
    Attached = 0,  // not started yet
    Running = 1,
    Refreshing = 3,
    Detaching = 4,  // also once detached: the frame is done
    Resizing = 5,   // the first resize, during the start
    Destroyed = 6,
};

class TSkinForm : public ui::TComponent, private NcElementHost {
  public:
    // A window with a widget object: owned by it, its handler in front of
    // the control's handlers.
    TSkinForm(ui::TComponent& owner, ui::TControl& form, TSkinManager& manager, TSkinData& data);
    // A window without one (a message box, a system dialog): owned by the
    // manager, in front of the window's own procedure.
    TSkinForm(HWND window, TSkinManager& manager, TSkinData& data);
    ~TSkinForm() override;
    std::string ClassName() const override { return "TSkinForm"; }

    HWND Handle() const { return window_; }
    TSkinData* SkinData() const { return data_; }
    SkinState State() const { return state_; }
    bool OwnedByForm() const { return form_ != nullptr; }
    // A message of the window is inside the frame's handling (a menu of the
    // frame is open): the frame must not be freed now.
    bool Busy() const { return handlerDepth_ > 0; }
    const FrameMetrics& Metrics() const { return metrics_; }
    const std::vector<TCaptionButton>& CaptionButtons() const { return buttons_; }
    const std::vector<ClassifiedControl>& Controls() const { return controls_; }
    // The skinned controls the frame handed its window's controls to.
    SkinnedControls* ChildSkins() const { return childSkins_.get(); }

    // For the manager's refresh: lets go of the hot element (the buttons
    // keep the skin they were made from, so the frame goes on painting the
    // old skin whole until it is measured anew), then measures the frame
    // and makes the caption buttons from the skin data's current skin.
    void DropCaptionButtons();
    void MeasureFrame();
    // After a switch: the form's colour, the new frame around the same
    // client area, the outline, one repaint.
    void Refresh();
    // Skinning switched off: the window's handling, menu, style, colour and
    // size under the system's frame come back.
    void Detach();
    // The manager goes first (the program ends): nothing to tell it.
    void ForgetManager() { manager_ = nullptr; }

    // The form's pop-up menus, which open on another window (the
    // application's): whether `menu` is one the skin draws, its items made
    // owner-drawn while it is open, and the messages about them, which the
    // manager hands here (skin_form_menus.cpp).
    bool OwnsPopupMenu(HMENU menu) const;
    void OpenPopupMenu(HMENU menu);
    void ClosePopupMenus();
    bool OnMenuMessage(ui::TMessage& m);

    // Paints the whole non-client area on `dc`, or on the window's own.
    void PaintFrame(HDC dc = nullptr);

  private:
    // The timer of the hover check, among the window's own timers.
    static constexpr UINT_PTR kHoverTimer = 0x5346;

    void Attach(TSkinData& data);
    void OnMessage(ui::TMessage& m, const ui::NextHandler& next);
    void Start();
    void Unhook();
    // The hand-over to the skinned controls, at the start and at every
    // refresh (skin_form_controls.cpp).
    void HandOverControls();
    void ReadWindowFacts();
    void ResizeToSkinnedFrame(bool refreshing);
    // The window's outline for a window of this size.
    void SetOutline(Size size, bool repaint);
    // The outline again when the window's size is not the one it was made
    // for.
    void BuildRegion();
    // A form takes the skin's button face as its colour.
    void ApplyFaceColour();
    void UpdateShowState();
    void SetStyleBits(LONG add, LONG remove);
    void SetActive(bool active);

    // Non-client mouse and keyboard (skin_form_input.cpp).
    void OnHitTest(ui::TMessage& m, const ui::NextHandler& next);
    bool OnNonClientMouse(ui::TMessage& m, const ui::NextHandler& next);
    void OnSystemCommand(ui::TMessage& m, const ui::NextHandler& next);
    void Carry(const FrameAnswer& answer, ui::TMessage& m, const ui::NextHandler& next);
    Point WindowPoint(LPARAM screen) const;
    TNcElement* ElementAt(Point inWindow);
    FrameMouseFacts MouseFacts(bool askCloseItem) const;
    void OpenSystemMenu(Point at);
    void StartHoverTimer();
    void StopHoverTimer();
    void CheckHover();

    // The menu bar's drop-down menus and the owner-drawn items
    // (skin_form_menus.cpp).
    void OpenButtonMenu(TMenuBarButton& button);
    void FilterMenuMessage(MSG& message);
    void OnMenuSelect(const ui::TMessage& m);
    void CarryMenuLoopAnswer(const MenuLoopAnswer& answer);
    bool OpenAcceleratorButton(char32_t key);
    MenuItemSources ItemSources(const MenuImages* images) const;
    bool FactsOfMenuItem(ULONG_PTR itemData, MenuItemFacts& item, MeasureRule& rule,
                         MenuImages& glyphs, const MenuImages*& images) const;
    bool MeasureMenuItem(MEASUREITEMSTRUCT& measure);
    bool DrawMenuItem(const DRAWITEMSTRUCT& draw);
    bool OnMenuChar(ui::TMessage& m);

    CaptionState CaptionStateNow() const;
    // NcElementHost
    void PaintCaptionButton(const TCaptionButton& button) override;
    void PaintMenuBarButton(const TMenuBarButton& button) override;
    void BringToFront() override;

    HWND window_;
    ui::TControl* form_ = nullptr;
    TSkinManager* manager_;
    TSkinData* data_ = nullptr;
    SkinSnapshot skin_;
    SkinState state_ = SkinState::Attached;
    int handlerDepth_ = 0;

    std::string className_;
    FrameFacts facts_;
    bool frameSkinned_ = false;
    bool active_ = true;
    ShowState show_ = ShowState::Normal;
    std::string caption_;
    FrameMetrics metrics_;
    // The client area and the system's frame around it before attaching.
    Size client_;
    Size systemNonClient_;
    RECT windowRect_{};

    std::vector<TCaptionButton> buttons_;
    Bitmap iconPicture_;
    Size regionSize_;
    // While the outline is set: the system's frame change it makes must not
    // move the client, which the resize after it lays out once.
    bool settingOutline_ = false;

    HMENU systemMenu_ = nullptr;
    DWORD lastSystemMenuTick_ = 0;
    UINT doubleClickTime_ = 0;
    std::unique_ptr<SystemMenuSession> systemMenuSession_;
    std::unique_ptr<TSkinMenuBar> menuBar_;
    HMENU initialMenu_ = nullptr;
    bool menuOpen_ = false;
    // The menus open now with their items owner-drawn, and how those are
    // measured.
    std::vector<std::unique_ptr<OwnerDrawnMenu>> openMenus_;
    MeasureRule openRule_ = MeasureRule::PopupItem;
    MenuBarTracking tracking_;
    // The button whose menu opens next, when the open one ends by a switch.
    std::optional<size_t> switchTo_;
    bool hoverTimer_ = false;

    // The frame above the client area as last painted (caption and menu
    // band), and its caption bar before the buttons.
    Bitmap picture_;
    Bitmap captionBackground_;

    std::optional<ui::TColor> savedColor_;
    // The skinned size that the menu's removal at the start carries.
    std::optional<Size> menuRemovalSize_;
    ui::OwnedBrush faceBrush_;
    std::vector<ClassifiedControl> controls_;
    std::unique_ptr<SkinnedControls> childSkins_;

    ui::HandlerLink link_;
    std::unique_ptr<ui::WindowSubclass> subclass_;
};

}  // namespace skin::window
