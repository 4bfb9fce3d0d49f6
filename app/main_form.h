// The main window: the dictionary's controls, menus and tool bar, its
// start-up and close sequences, and every command of the program.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/skin_menu_view.h"
#include "lookup/entry_document.h"
#include "settings/settings_file.h"
#include "skin/skin_data.h"
#include "skin/skin_store.h"
#include "store/browse_prefetch.h"
#include "store/data_access.h"
#include "tray/tray_icon.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/image_list.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/print_dialog.h"
#include "ui/rich_edit.h"
#include "ui/save_dialog.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

// The data-access slots (ConnStr, Conn, Rs) and OpenIdiomQuery are the main
// window's own: every command replaces its connection and record set.
class TForm1 : public ui::TForm, protected store::DataAccess {
  public:
    // `browseRows`: the browse tree's idioms, read ahead since the process
    // started (ReadBrowseTreeAhead).
    TForm1(ui::TComponent& owner, std::unique_ptr<store::BrowsePrefetch> browseRows);
    // Starts reading the browse tree's idioms on a thread of their own: the
    // process's first window takes a while to make, and the reading is what
    // the start-up would otherwise wait for at its end.
    static std::unique_ptr<store::BrowsePrefetch> ReadBrowseTreeAhead();
    // Frees its parts first: the frame of its skin, its tray icon and its
    // menus go while the skin data and the settings are still there.
    ~TForm1() override;

    ui::TToolBar* ToolBar1;
    ui::TToolButton *ToolButton7, *ToolButton2, *ToolButton1, *ToolButton9, *ToolButton5,
        *ToolButton3, *ToolButton4, *ToolButton8, *ToolButton6, *ToolButton10, *ToolButton12,
        *ToolButton13, *ToolButton11;
    ui::TGroupBox *GroupBox5, *GroupBox1, *GroupBox4, *GroupBox2, *GroupBox3, *GroupBox6;
    ui::TTreeView* TreeView1;
    ui::TComboBox *edit1, *edit2;
    ui::TButton *Button1, *Button2;
    ui::TListBox *ListBox1, *ListBox2;
    ui::TRichEdit* RichEdit1;
    ui::TMemo* Memo1;
    ui::TStatusBar* StatusBar1;

    ui::TMainMenu* MainMenu1;
    ui::TMenuItem *N1, *N30, *N29, *N16, *N17, *N18, *N19, *N20, *N21, *N13, *N14, *N15;
    ui::TMenuItem *N6, *N22, *N23, *N27, *N28;
    ui::TMenuItem *N2, *N3, *WindowsXP1, *N4, *N5, *WindowsVista1;
    ui::TMenuItem *N8, *N7;
    ui::TPopupMenu* PopupMenu1;
    ui::TMenuItem *N11, *N10;
    ui::TPopupMenu* PopupMenu2;
    ui::TMenuItem *N24, *N25, *N26;
    ui::TImageList* Imlist_menu;
    ui::TSaveDialog* SaveDialog1;
    ui::TPrintDialog* PrintDialog1;
    TTrayIcon* TrayIcon1;
    // The five skins the program carries, SkinItem0 to SkinItem4.
    skin::TSkinStore SkinStore1;
    // The program's current skin; every window wears it.
    std::unique_ptr<skin::TSkinData> SkinData1;

  protected:
    void WMSysCommand(ui::TMessage& message) override;

  private:
    void CreateControls();
    void CreateMenus();
    void CreateToolBar();
    void CreateTrayIcon();
    void CreateSkin();
    // A menu item under `parent` that runs `handler` when chosen.
    ui::TMenuItem* Item(ui::TMenuItem* parent, const char* name, const char* caption,
                        void (TForm1::*handler)());

    void FormCreate();
    void FormCloseQuery(ui::TComponent& sender, bool& canClose);

    // The search histories in the boxes' drop-down lists.
    void LoadHistories();
    void SaveHistories();
    void ClearKeywordHistory();
    void ClearInitialsHistory();
    // The settings file opened anew, as the commands that write settings
    // take it.
    settings::SettingsFile& ReopenIni();

    // 功能
    void N30Click();
    void N16Click();
    void N17Click();
    void N20Click();
    void N21Click();
    void N13Click();
    void N15Click();
    // 设置
    void N22Click();
    void N23Click();
    void N28Click();
    // 换肤
    SkinMenuView SkinMenu();
    void ChooseSkin(int index);
    void N3Click();
    void WindowsXP1Click();
    void N4Click();
    void N5Click();
    void WindowsVista1Click();
    // 帮助
    void N7Click();
    // The entry view's context menu and the tray menu
    void N11Click();
    void N10Click();
    void N24Click();
    void N26Click();
    // Tool bar
    void ToolButton7Click();
    void ToolButton1Click();
    void ToolButton9Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton6Click();
    void ToolButton12Click();
    void ToolButton11Click();
    // Searching and browsing
    void Button1Click();
    void Button2Click();
    void Edit1Change();
    void edit1Select();
    void edit2Select();
    void Edit1Enter();
    void Edit2Enter();
    void ListBox1Click();
    void TreeView1Change();
    void TrayIcon1Click();

    // Saves the entry view through the save dialog (main_form_output.cpp).
    void ExportEntry(const char* extension, bool richText);

    // Display, search, browse and notes (main_form_lookup.cpp)
    void ShowIdiom(const std::string& key);
    // Puts the document into the entry view and keeps it as ShownEntry.
    void ShowEntry(lookup::EntryDocument doc);
    bool CheckNoteSaved();
    void BuildBrowseTree();
    // The browse tree's letters: A to Z but I, U and V, with which no
    // syllable of pinyin begins.
    static constexpr std::string_view kBrowseLetters = "ABCDEFGHJKLMNOPQRSTWXYZ";
    // Fills the result list from the record set just opened and shows the
    // first match; the number of matches, or -1 when there was none.
    int ListSearchResults();
    void SaveNote();
    // Puts the searched text at the top of the box's history.
    void UpdateHistory(ui::TComboBox* box);

    std::string SavedNote;
    // The browse tree's idioms, read while the window is being made; gone
    // once the start-up is over.
    std::unique_ptr<store::BrowsePrefetch> BrowseRows;
    // What the entry view shows, as the document it was built from; printing
    // lays the entry out from it.
    lookup::EntryDocument ShownEntry;
    // The settings file beside the executable (start-up step 2).
    settings::SettingsFile Ini;
};
