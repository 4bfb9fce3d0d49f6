// Figures of the skinned frames under Wine, on a window laid out like the
// main window (its menu bar, tool bar, group boxes, lists, tree, rich edit,
// memo and status bar) and the program's five skins:
//   - attaching and starting a frame object: from the window hook's call to
//     the end of the start message, the first skinned paint included; and
//     apart from it the client area's repaint by its controls that follows;
//   - one skin switch: from the command (the skin data's load from the
//     store) to the end of the refresh pass over the window, every skinned
//     control refreshed, and its repaint, the quarter second the manager
//     waits before the pass left out;
//   - painting the whole window once, frame, menu band and every control,
//     skinned and then, side by side in the same run, unskinned.
//
//   skin_window_bench ARCHIVE...
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin/skin_store.h"
#include "skin/window/engine_messages.h"
#include "skin/window/skin_engine.h"
#include "timing.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/rich_edit.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"
#include "window_bench_support.h"

namespace {

constexpr int kRuns = 9;

class BenchForm : public ui::TForm {
  public:
    explicit BenchForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TBenchForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {
        SetCaption("Lexora电子版 2007");
        SetClientSize(762, 502);
        auto* menu = ui::Make<ui::TMainMenu>(*this);
        for (const char* caption : {"功能", "设置", "换肤", "帮助"}) {
            auto* top = ui::Make<ui::TMenuItem>(*this);
            top->SetCaption(caption);
            menu->Items->Add(top);
            auto* item = ui::Make<ui::TMenuItem>(*this);
            item->SetCaption("项目");
            top->Add(item);
        }
        SetMenu(menu);
        auto* bar = ui::Make<ui::TToolBar>(*this, this, 0, 0, 762, 49);
        for (int i = 0; i < 8; ++i) {
            auto* b = ui::Make<ui::TToolButton>(*this);
            b->Caption = "按钮";
            bar->AddButton(b);
        }
        auto* tree = ui::Make<ui::TGroupBox>(*this, this, 8, 48, 161, 433);
        ui::Make<ui::TTreeView>(*this, tree, 8, 16, 145, 409);
        auto* keyword = ui::Make<ui::TGroupBox>(*this, this, 176, 48, 193, 49);
        ui::Make<ui::TComboBox>(*this, keyword, 8, 16, 97, 200);
        ui::Make<ui::TButton>(*this, keyword, 112, 16, 75, 25);
        auto* initials = ui::Make<ui::TGroupBox>(*this, this, 176, 104, 193, 49);
        ui::Make<ui::TComboBox>(*this, initials, 8, 16, 97, 200);
        ui::Make<ui::TButton>(*this, initials, 112, 16, 75, 25);
        auto* results = ui::Make<ui::TGroupBox>(*this, this, 176, 160, 193, 321);
        ui::Make<ui::TListBox>(*this, results, 8, 16, 177, 297);
        auto* entry = ui::Make<ui::TGroupBox>(*this, this, 376, 48, 377, 313);
        ui::Make<ui::TRichEdit>(*this, entry, 8, 16, 361, 289, true);
        auto* note = ui::Make<ui::TGroupBox>(*this, this, 376, 368, 377, 113);
        ui::Make<ui::TMemo>(*this, note, 8, 16, 361, 89);
        ui::Make<ui::TStatusBar>(*this, this, 0, 483, 762, 19);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("  usage: skin_window_bench ARCHIVE...\n");
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ui::TApplication application;
    application.Initialize();
    skin::TSkinStore store;
    for (int i = 1; i < argc; ++i)
        store.Store().Add().ReadDataStream(skin::MemoryStream(ReadFile(argv[i])));
    auto& engine = skin::window::SkinEngine::Instance();
    skin::TSkinData data(engine.Services([](const std::string&) {}));
    data.LoadFromStore(store, 0);
    data.SetActive(true);
    data.Loaded();
    skin::window::TSkinManager& manager = *engine.Manager();

    // A window the manager refuses (one it does not see as active yet) is
    // not a measurement: such a run is made again.
    std::vector<double> attaches, controlRepaints;
    for (int attempt = 0; attempt < 3 * kRuns && static_cast<int>(attaches.size()) < kRuns;
         ++attempt) {
        auto* form = ui::Make<BenchForm>(application);
        manager.SetEnabled(false);
        form->Show();
        Pump();
        manager.SetEnabled(true);
        bool attached = false;
        const double attach = Milliseconds([&] {
            attached = manager.SkinWindow(form->Handle());
            MSG start;
            if (attached && PeekMessageW(&start, form->Handle(), skin::window::kStartFrameMessage,
                                         skin::window::kStartFrameMessage, PM_REMOVE)) {
                DispatchMessageW(&start);
            }
        });
        const double repaint = Milliseconds([&] {
            Pump();
            UpdateWindow(form->Handle());
        });
        if (attached) {
            attaches.push_back(attach);
            controlRepaints.push_back(repaint);
        }
        application.FreeComponent(form);
        Pump();
    }
    if (attaches.empty()) {
        std::printf("  the manager attached no frame\n");
        return 1;
    }

    auto* form = ui::Make<BenchForm>(application);
    form->Show();
    Pump();
    std::vector<std::vector<double>> switches(store.Store().Count());
    for (int run = 0; run < kRuns; ++run) {
        for (size_t skin = 0; skin < switches.size(); ++skin) {
            switches[skin].push_back(Milliseconds([&] {
                data.LoadFromStore(store, static_cast<int>(skin));
                manager.RunPendingCommand();
                Pump();
                UpdateWindow(form->Handle());
            }));
        }
    }
    // The whole window painted at once, as after it was uncovered, in turns
    // skinned and unskinned.
    const auto paint = [&] {
        return Milliseconds([&] {
            RedrawWindow(form->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Pump();
        });
    };
    std::vector<double> skinnedPaints, plainPaints;
    for (int run = 0; run < kRuns; ++run) {
        data.SetActive(true);
        manager.RunPendingCommand();
        Pump();
        skinnedPaints.push_back(paint());
        data.SetActive(false);
        manager.RunPendingCommand();
        Pump();
        plainPaints.push_back(paint());
    }

    std::printf(
        "  attaching and starting a frame, first paint included  %.1f ms (median of %zu; at most "
        "15 ms)\n",
        Median(attaches), attaches.size());
    std::printf("  then the client area's repaint by its controls         %.1f ms\n",
                Median(controlRepaints));
    for (size_t skin = 0; skin < switches.size(); ++skin) {
        std::printf(
            "  one switch to SkinItem%zu, every control refreshed     %.1f ms (at most 30 ms for "
            "the frame, 60 ms with every control)\n",
            skin, Median(switches[skin]));
    }
    const double skinned = Median(skinnedPaints), plain = Median(plainPaints);
    std::printf(
        "  painting the window once: skinned %.1f ms, unskinned %.1f ms, ratio %.2f (at most 2)\n",
        skinned, plain, skinned / plain);
    return 0;
}
