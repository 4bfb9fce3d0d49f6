// The program's entry: the application title, the single-instance guard, the
// main window and the About window, and the message loop.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <utility>

#include "app/about_form.h"
#include "app/main_form.h"
#include "app/single_instance.h"
#include "resources/resource_ids.h"
#include "ui/application.h"
#include "ui/error_report.h"
#include "ui/system_library.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ui::LimitLibrarySearchToSystem();
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        // The first instance starts reading the browse tree at once, while
        // the system makes the process's first window.
        const SingleInstanceGuard guard;
        std::unique_ptr<store::BrowsePrefetch> browseRows;
        if (guard.IsFirst())
            browseRows = TForm1::ReadBrowseTreeAhead();
        ui::TApplication application;
        application.Initialize();
        application.SetTitle("Lexora电子版");
        application.SetIcon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAINICON)));

        if (!guard.IsFirst()) {
            MessageBoxW(nullptr, L"程序已经在运行了，请看看托盘区", L"提示",
                        MB_OK | MB_ICONWARNING);
            return 0;
        }
        application.CreateForm<TForm1>(std::move(browseRows));
        application.CreateForm<TForm2>();
        application.Run();
    } catch (...) {
        ui::ReportCurrentException();
        return 1;
    }
    return 0;
}
