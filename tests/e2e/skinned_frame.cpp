#include "skinned_frame.h"

#include "skin/caption_buttons.h"
#include "skin/frame_metrics.h"
#include "skin/menu_item_look.h"
#include "skin/menu_item_text.h"
#include "skin/skin_data.h"
#include "skin/window/dib.h"
#include "skin/window/gdi_text_painter.h"
#include "skin/window/system_look.h"
#include "skin/window/window_parts.h"
#include "skin/window_frame.h"
#include "skin/window_outline.h"

namespace {

// Skin data that only loads skins: they are never applied.
class NoManager : public skin::SkinManager {
  public:
    void AddSkinData(skin::TSkinData&) override {}
    void RemoveSkinData(skin::TSkinData&) override {}
    void PostCommand(skin::ManagerCommand, int) override {}
    skin::ManagerRunState RunState() const override { return skin::ManagerRunState::Idle; }
    void SetRunState(skin::ManagerRunState) override {}
    void SetEnabled(bool) override {}
    void SetPendingSkinData(skin::TSkinData&) override {}
    void DropCaptionButtons(skin::TSkinData&) override {}
    void InstallHook() override {}
    void SkinOwnerForm(skin::TSkinData&) override {}
    bool HasScrollBarInfo() const override { return true; }
};

class NoBitmaps : public skin::ResourceBitmaps {
  public:
    std::optional<pixels::Bitmap> Load(std::string_view) const override { return std::nullopt; }
};

const skin::window::Win32SystemLook& Look() {
    static const skin::window::Win32SystemLook look;
    return look;
}

}  // namespace

skin::Rect FrameLayout::CaptionButton(int action) const {
    for (const auto& [a, place] : captionButtons) {
        if (a == action)
            return place;
    }
    return {};
}

FrameShape MainWindowShape() {
    FrameShape shape;
    shape.kind = skin::FrameKind::Fixed;
    shape.maximiseBox = shape.minimiseBox = true;
    shape.menuBar = {"功能", "设置", "换肤", "帮助"};
    shape.caption = "Lexora电子版 2007";
    return shape;
}

skin::SkinSnapshot LoadProgramSkin(int index) {
    static NoBitmaps bitmaps;
    static skin::window::Win32WindowParts parts;
    static skin::SkinManagerSlot slot([] { return std::make_unique<NoManager>(); });
    skin::TSkinData data({Look(), bitmaps, [](const std::string&) {}, slot, parts});
    data.SkinFormtype = skin::TSkinFormType::sfDialog;
    data.SetSkinFile(std::string(LEXORA_SKINS) + "/SkinItem" + std::to_string(index) + ".lzh");
    return data.Skin();
}

pixels::Bitmap ComposeFrame(const skin::SkinSnapshot& snapshot, const FrameShape& shape, SIZE size,
                            bool active, FrameLayout* layout) {
    const skin::SkinDefinition& skin = *snapshot;
    const int menuBarHeight = shape.menuBar.empty() ? 0 : GetSystemMetrics(SM_CYMENU);
    const skin::FrameMetrics m = skin::MeasureFrame(skin, shape.kind, menuBarHeight);
    skin::CaptionState state;
    state.Active = active;
    state.Maximised = shape.maximised;
    state.MaximiseBox = shape.maximiseBox;
    state.MinimiseBox = shape.minimiseBox;
    state.SystemMenu = true;
    state.Kind = shape.kind;
    state.DialogClass = shape.dialogClass;
    std::vector<skin::TCaptionButton> buttons = skin::MakeCaptionButtons(snapshot);
    skin::window::GdiTextPainter caption(skin::window::CaptionLogFont(),
                                         skin::window::Ampersand::Plain);
    skin::window::GdiTextPainter menuFont(skin::window::MenuLogFont(),
                                          skin::window::Ampersand::MarksAccelerator);
    // The icon is compared nowhere: it stays the desktop's magenta here.
    const pixels::Bitmap icon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                              pixels::kMagenta);
    pixels::Bitmap picture(size.cx, size.cy);
    skin::PaintFrame(picture, skin, m, state, buttons, shape.caption, caption, icon, Look());
    std::vector<skin::TMenuBarButton> bar;
    for (const std::string& text : shape.menuBar) {
        skin::TMenuBarButton b;
        b.Caption = text;
        bar.push_back(b);
    }
    if (!bar.empty())
        skin::PaintMenuBand(picture, {m.MenuBand({size.cx, size.cy}), active}, skin, bar, {},
                            menuFont, Look());
    if (layout) {
        layout->metrics = m;
        layout->captionButtons.clear();
        for (const skin::TCaptionButton& b : buttons) {
            if (b.Visible)
                layout->captionButtons.push_back({b.Button().Action, b.Place});
            if (b.Visible && skin::IsIconButton(b.Button()))
                layout->iconButton = b.Place;
        }
        layout->menuBarButtons.clear();
        for (const skin::TMenuBarButton& b : bar)
            layout->menuBarButtons.push_back(b.Place);
    }
    return picture;
}

pixels::Bitmap WindowOnScreen(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
}

std::vector<std::string> FrameDifferences(HWND window, const skin::SkinSnapshot& skin,
                                          const FrameShape& shape, bool active) {
    RECT r;
    GetWindowRect(window, &r);
    const SIZE size{r.right - r.left, r.bottom - r.top};
    FrameLayout layout;
    const pixels::Bitmap expected = ComposeFrame(skin, shape, size, active, &layout);
    const pixels::Bitmap shown = skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
    const skin::PixelMask outline =
        skin::BuildWindowOutline(*skin, layout.metrics, shape.kind, {size.cx, size.cy}, active);
    const skin::Rect client = layout.metrics.ClientRect({size.cx, size.cy});
    std::vector<std::string> differences;
    for (int y = 0; y < size.cy && differences.size() < 5; ++y) {
        for (int x = 0; x < size.cx && differences.size() < 5; ++x) {
            const skin::Point p{x, y};
            if (client.Contains(p) || layout.iconButton.Contains(p) || !outline.Contains(x, y))
                continue;
            if (shown.At(x, y) != expected.At(x, y))
                differences.push_back(std::to_string(x) + "," + std::to_string(y));
        }
    }
    return differences;
}

std::vector<std::string> MenuItemDifferences(HWND menuWindow, RECT place,
                                             const skin::SkinSnapshot& snapshot,
                                             const PopupItemShape& shape) {
    const skin::SkinDefinition& skin = *snapshot;
    RECT window;
    GetWindowRect(menuWindow, &window);
    POINT client{0, 0};
    ClientToScreen(menuWindow, &client);
    const skin::Size windowSize{window.right - window.left, window.bottom - window.top};
    const bool picture = skin.MenuBackground && !skin.MenuBackground->Image.Empty();
    const pixels::Bitmap background = skin::PaintMenuBackground(windowSize, skin, Look());
    skin::window::GdiTextPainter normal(skin::window::MenuLogFont(),
                                        skin::window::Ampersand::MarksAccelerator);
    LOGFONTW boldFont = skin::window::MenuLogFont();
    boldFont.lfWeight = FW_BOLD;
    skin::window::GdiTextPainter bold(boldFont, skin::window::Ampersand::MarksAccelerator);
    skin::MenuItemSources sources{skin, Look(), {normal, bold}};
    if (picture) {
        sources.Background = &background;
        sources.ClientOrigin = {client.x - window.left, client.y - window.top};
    }
    skin::MenuItemFacts item;
    item.Text = skin::SplitMenuText(shape.text);
    item.Default = shape.isDefault;
    item.Selected = shape.selected;
    const skin::Rect inClient{place.left - client.x, place.top - client.y, place.right - client.x,
                              place.bottom - client.y};
    const pixels::Bitmap expected = skin::ComposeMenuItem(inClient, item, sources);
    const pixels::Bitmap shown =
        skin::window::ScreenPicture({place.left, place.top, place.right, place.bottom});
    std::vector<std::string> differences;
    if (expected.Width() != shown.Width() || expected.Height() != shown.Height())
        return {"size"};
    for (int y = 0; y < shown.Height() && differences.size() < 5; ++y) {
        for (int x = 0; x < shown.Width() && differences.size() < 5; ++x) {
            if (shown.At(x, y) != expected.At(x, y))
                differences.push_back(std::to_string(x) + "," + std::to_string(y));
        }
    }
    return differences;
}
