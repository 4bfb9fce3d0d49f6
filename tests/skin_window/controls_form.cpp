#include "controls_form.h"

#include <cstdio>

#include "skin/window/dib.h"
#include "skin_window_fixture.h"

namespace skinwindow {

ControlsForm::ControlsForm(ui::TComponent& owner)
    : ui::TForm(owner, L"TControlsTestForm", ui::TFormBorderStyle::bsSingle,
                ui::TPosition::poScreenCenter) {
    SetClientSize(560, 420);
    button = ui::Make<ui::TButton>(*this, this, 16, 16, 90, 26);
    button->SetCaption("确定 OK");
    group = ui::Make<ui::TGroupBox>(*this, this, 120, 8, 200, 80);
    group->SetCaption("分组 Group");
    combo = ui::Make<ui::TComboBox>(*this, this, 340, 16, 150, 24);
    list = ui::Make<ui::TListBox>(*this, this, 16, 100, 120, 200);
    tree = ui::Make<ui::TTreeView>(*this, this, 146, 100, 120, 200);
    memo = ui::Make<ui::TMemo>(*this, this, 276, 100, 130, 200);
    rich = ui::Make<ui::TRichEdit>(*this, this, 416, 100, 130, 200, true);
    status = ui::Make<ui::TStatusBar>(*this, this, 0, 396, 560, 24);
    status->SetPanels({200, 200});
    status->SetPanelText(0, "共 12 条");
    status->SetPanelText(1, "Lexora", ui::TAlignment::taCenter);

    std::string lines;
    std::string richLines = "{\\rtf1 ";
    for (int i = 0; i < 200; ++i) {
        const std::string row = "第 " + std::to_string(i) + " 行 row";
        list->AddItem(row);
        combo->AddItem(row);
        HTREEITEM node = tree->AddChild(nullptr, row, -1);
        tree->AddChild(node, row + " child", -1);
        lines += row + "\r\n";
        richLines += "line " + std::to_string(i) + "\\par ";
    }
    memo->SetText(lines);
    rich->SetRtf(richLines + "}");
}

std::string SkinArchive(int index) {
    return std::string(LEXORA_SKINS) + "/SkinItem" + std::to_string(index) + ".lzh";
}

bool UseProgramSkin(skin::TSkinData& data, skin::window::TSkinManager& manager, int index) {
    data.SetSkinFile(SkinArchive(index));
    manager.RunPendingCommand();
    PumpMessages(120);
    return !data.NotLoaded();
}

std::vector<std::string> ScreenDifferences(HWND window, const pixels::Bitmap& expected,
                                           skin::Rect area) {
    RECT r;
    GetWindowRect(window, &r);
    const pixels::Bitmap shown = skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
    std::vector<std::string> out;
    for (int y = area.top; y < area.bottom && out.size() < 5; ++y) {
        for (int x = area.left; x < area.right && out.size() < 5; ++x) {
            if (shown.At(x, y) != expected.At(x, y)) {
                char text[64];
                std::snprintf(text, sizeof text, "%d,%d: %06X, not %06X", x, y,
                              static_cast<unsigned>(shown.At(x, y) & 0xFFFFFF),
                              static_cast<unsigned>(expected.At(x, y) & 0xFFFFFF));
                out.push_back(text);
            }
        }
    }
    return out;
}

LOGFONTW LogFontOf(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW logFont{};
    GetObjectW(font, sizeof logFont, &logFont);
    return logFont;
}

}  // namespace skinwindow
