// The widget layer's way from a window to its control, under Wine: a table
// of the thread for every message, and the window property for readers
// outside the layer.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/window_class.h"

namespace {

class TestForm : public ui::TForm {
  public:
    explicit TestForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TControlTestForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {}
};

// Owns a control for a part of a test, to free it before the form.
class Owner : public ui::TComponent {
  public:
    Owner() : ui::TComponent(nullptr) {}
    std::string ClassName() const override { return "TOwner"; }
};

class ControlTest : public ::testing::Test {
  protected:
    ControlTest() {
        application.Initialize();
        form = application.CreateForm<TestForm>();
    }

    ui::TApplication application;
    TestForm* form;
};

TEST_F(ControlTest, FindsTheControlOfEachWindowOfOursAndNoOther) {
    HWND window = nullptr;
    {
        Owner owner;
        auto* button = ui::Make<ui::TButton>(owner, form, 10, 10, 75, 25);
        window = button->Handle();
        EXPECT_EQ(ui::TControl::FromHandle(window), button);
        EXPECT_EQ(ui::TControl::FromHandle(form->Handle()), form);
        // The property stays for those who have only the window.
        EXPECT_EQ(GetPropW(window, ui::TControl::PropertyName()), button);
        EXPECT_EQ(GetPropW(form->Handle(), ui::TControl::PropertyName()), form);

        HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form->Handle(),
                                       nullptr, nullptr, nullptr);
        EXPECT_EQ(ui::TControl::FromHandle(foreign), nullptr);
        DestroyWindow(foreign);
        EXPECT_EQ(ui::TControl::FromHandle(nullptr), nullptr);
    }
    EXPECT_FALSE(IsWindow(window)) << "the control's window goes with it";
    EXPECT_EQ(ui::TControl::FromHandle(window), nullptr);
}

// Reading the property asks the Wine server, which costs 5 to 50 us: the
// messages, a parent's notification reflected to its child included, find
// their controls without it.
TEST_F(ControlTest, MessagesFindTheirControlsWithoutTheWindowProperty) {
    auto* button = ui::Make<ui::TButton>(*form, form, 10, 10, 75, 25);
    int clicks = 0;
    button->OnClick = [&](ui::TComponent&) { ++clicks; };
    RemovePropW(form->Handle(), ui::TControl::PropertyName());
    RemovePropW(button->Handle(), ui::TControl::PropertyName());
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button->Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button->Handle()));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->Perform(WM_GETTEXTLENGTH), 0) << "its own messages reach it too";
}

// A class's default handling works whether its procedure is a function or one
// of the handles that only CallWindowProcW resolves (as an ANSI view of a
// Unicode window's procedure is).
TEST_F(ControlTest, TheDefaultHandlingCallsFunctionsAndHandles) {
    auto* button = ui::Make<ui::TButton>(*form, form, 10, 10, 75, 25);
    button->SetCaption("确定");
    const HWND window = button->Handle();
    WNDCLASSEXW system{};
    system.cbSize = sizeof system;
    ASSERT_TRUE(GetClassInfoExW(nullptr, L"Button", &system));
    const auto handle = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    for (const WNDPROC proc : {system.lpfnWndProc, handle}) {
        const ui::DefaultWindowProc handling(proc);
        EXPECT_EQ(handling(window, WM_GETTEXTLENGTH, 0, 0), 2);
    }
}

}  // namespace
