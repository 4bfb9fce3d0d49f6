// A main menu on its form's bar, under Wine: each change reaches the
// system's menu and tells the form, and only a change to what the bar shows
// lays the bar out again (a new frame for the window).
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

class MenuForm : public ui::TForm {
  public:
    explicit MenuForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TMenuTestForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {
        menu = ui::Make<ui::TMainMenu>(*this);
        file = Item(menu->Items, "文件");
        save = Item(file, "保存");
        SetMenu(menu);
        counter = ui::HandlerLink(Handlers(), [this](ui::TMessage& m, const ui::NextHandler& next) {
            if (m.Msg == WM_NCCALCSIZE)
                ++frames;
            else if (m.Msg == ui::CM_MENUCHANGED)
                ++notices;
            next(m);
        });
    }

    ui::TMenuItem* Item(ui::TMenuItem* parent, const char* caption) {
        auto* item = ui::Make<ui::TMenuItem>(*this);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }

    ui::TMainMenu* menu;
    ui::TMenuItem* file;
    ui::TMenuItem* save;
    int frames = 0;
    int notices = 0;
    ui::HandlerLink counter;
};

UINT StateOf(const ui::TMenuItem& item) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STATE;
    GetMenuItemInfoW(item.Parent()->Handle(), item.Command(), FALSE, &mii);
    return mii.fState;
}

std::wstring BarText(HWND window, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(GetMenu(window), position, text, 64, MF_BYPOSITION);
    return text;
}

TEST(MainMenu, ADropDownChangeReachesTheMenuWithoutANewFrameABarChangeGetsOne) {
    ui::TApplication application;
    application.Initialize();
    MenuForm& form = *application.CreateForm<MenuForm>();

    form.save->SetChecked(true);
    form.save->SetEnabled(false);
    form.save->SetCaption("另存为");
    form.Item(form.save, "文本");  // the entry now opens a menu of its own
    EXPECT_EQ(StateOf(*form.save), UINT{MFS_CHECKED | MFS_DISABLED});
    EXPECT_NE(GetSubMenu(form.file->Handle(), 0), nullptr);
    EXPECT_EQ(form.frames, 0);
    EXPECT_EQ(form.notices, 4);

    form.file->SetCaption("功能");
    EXPECT_EQ(BarText(form.Handle(), 0), L"功能");
    EXPECT_GE(form.frames, 1);
    const int framesBefore = form.frames;
    form.Item(form.menu->Items, "帮助");
    EXPECT_EQ(BarText(form.Handle(), 1), L"帮助");
    EXPECT_GT(form.frames, framesBefore);
    EXPECT_EQ(form.notices, 6);
}

}  // namespace
