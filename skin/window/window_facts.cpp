#include "skin/window/window_facts.h"

#include "skin/window/engine_messages.h"
#include "ui/wide_text.h"

namespace skin::window {

std::string ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    if (!window || !GetClassNameW(window, name, 256))
        return {};
    return Narrow(name);
}

WindowFacts FactsOfWindow(HWND window, const ui::TControl* widget, bool enumerating) {
    WindowFacts facts;
    facts.Handle = static_cast<WindowHandle>(reinterpret_cast<uintptr_t>(window));
    facts.ClassName = ClassNameOf(window);
    facts.ManagerEnabled = true;
    facts.AnswersSkinned = SendMessageW(window, kAlreadySkinnedMessage, 0, 0) == 1;
    facts.HasWidgetObject = widget != nullptr;
    facts.WidgetTag = widget ? widget->Tag : 0;
    facts.Enumerating = enumerating;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    facts.ChildStyle = (style & WS_CHILD) != 0;
    facts.MdiChildStyle = (exStyle & WS_EX_MDICHILD) != 0;
    if (facts.ChildStyle)
        facts.ParentClass = ClassNameOf(GetParent(window));
    facts.ApplicationWidget = widget != nullptr;
    facts.OfThisModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) ==
                         GetModuleHandleW(nullptr);
    RECT r{};
    GetWindowRect(window, &r);
    facts.EmptyRect = IsRectEmpty(&r) != FALSE;
    return facts;
}

}  // namespace skin::window
