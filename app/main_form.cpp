#include "app/main_form.h"

#include <shellapi.h>

#include "app/about_form.h"
#include "app/executable_path.h"
#include "app/messages.h"
#include "app/options_menu.h"
#include "app/options_menu_view.h"
#include "app/resource_data.h"
#include "app/run_key.h"
#include "app/skin_menu.h"
#include "app/skin_menu_view.h"
#include "lookup/search_history.h"
#include "resources/resource_ids.h"
#include "skin/window/skin_engine.h"
#include "store/connection_string.h"
#include "ui/application.h"
#include "ui/error_report.h"
#include "ui/thread_stack.h"
#include "ui/wide_text.h"

using ui::akBottom;
using ui::akLeft;
using ui::akRight;
using ui::akTop;
using ui::Make;

namespace {

constexpr int kClientWidth = 762;
constexpr int kClientHeight = 502;
// A combo box's height counts its drop-down list too.
constexpr int kComboHeight = 200;
// Right-aligned; the trailing space keeps the last character clear of the
// window's edge.
constexpr const char* kCredit = "Lexora电子版 · 汉语成语词典 ";

// A search box's text and drop-down entries, as the history rules take them.
lookup::HistoryBox HistoryOf(const ui::TComboBox& box) {
    lookup::HistoryBox history{box.Text(), {}};
    for (int i = 0; i < box.ItemCount(); ++i)
        history.items.push_back(box.Item(i));
    return history;
}

// Puts the entries back into the box; the text shows as the selected entry
// when it is the first one, the way a pick from the list shows it.
void ShowHistory(ui::TComboBox& box, const lookup::HistoryBox& history) {
    box.ClearItems();
    box.SetText("");
    for (const std::string& item : history.items)
        box.AddItem(item);
    if (!history.text.empty() && !history.items.empty() && history.items.front() == history.text)
        box.SetItemIndex(0);
    else
        box.SetText(history.text);
}

// Started by the log-on entry: "/C" exactly, as the first argument.
bool StartedWithSlashC() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const bool found = arguments && count > 1 && std::wstring_view(arguments[1]) == L"/C";
    LocalFree(arguments);
    return found;
}

}  // namespace

std::unique_ptr<store::BrowsePrefetch> TForm1::ReadBrowseTreeAhead() {
    // The reading thread's stack is given back before it ends: ended, it
    // would keep it.
    return std::make_unique<store::BrowsePrefetch>(store::BuildConnStr(ExecutableDirectory()),
                                                   kBrowseLetters, ui::DiscardStackBelowCaller);
}

TForm1::TForm1(ui::TComponent& owner, std::unique_ptr<store::BrowsePrefetch> browseRows)
    : ui::TForm(owner, L"TForm1", ui::TFormBorderStyle::bsSingle, ui::TPosition::poScreenCenter),
      BrowseRows(std::move(browseRows)),
      Ini(settings::SettingsFile::Beside(ExecutableDirectory())) {
    Name = "Form1";
    SetCaption("Lexora电子版 2007");
    Font().SetName("宋体");
    Font().SetHeight(-12);
    Font().SetCharset(ui::kGb2312Charset);
    SetClientSize(kClientWidth, kClientHeight);
    CreateMenus();
    CreateControls();
    CreateToolBar();
    CreateTrayIcon();
    CreateSkin();
    OnCloseQuery = [this](ui::TComponent& sender, bool& canClose) {
        FormCloseQuery(sender, canClose);
    };
    try {
        FormCreate();
    } catch (...) {
        // The remaining start-up steps are skipped; the window still shows.
        ui::ReportCurrentException();
    }
    BrowseRows.reset();
}

void TForm1::CreateControls() {
    GroupBox5 = Make<ui::TGroupBox>(*this, this, 8, 48, 161, 433);
    GroupBox5->Name = "GroupBox5";
    GroupBox5->SetCaption("浏览全部");
    GroupBox5->SetAnchors(akLeft | akTop | akBottom);
    TreeView1 = Make<ui::TTreeView>(*this, GroupBox5, 8, 16, 145, 409);
    TreeView1->Name = "TreeView1";
    TreeView1->SetIndent(23);
    TreeView1->SetAnchors(akLeft | akTop | akBottom);
    TreeView1->OnChange = [this](ui::TComponent&) { TreeView1Change(); };

    GroupBox1 = Make<ui::TGroupBox>(*this, this, 176, 48, 193, 49);
    GroupBox1->Name = "GroupBox1";
    GroupBox1->SetCaption("关键字查询{浏览全部直接点查询}");
    edit1 = Make<ui::TComboBox>(*this, GroupBox1, 8, 16, 97, kComboHeight);
    edit1->Name = "edit1";
    edit1->SetMaxLength(8);
    edit1->SetMaxBytes(8);  // four Chinese characters or eight letters
    edit1->OnChange = [this](ui::TComponent&) { Edit1Change(); };
    edit1->OnSelect = [this](ui::TComponent&) { edit1Select(); };
    edit1->OnEnter = [this](ui::TComponent&) { Edit1Enter(); };
    Button1 = Make<ui::TButton>(*this, GroupBox1, 112, 16, 75, 25);
    Button1->Name = "Button1";
    Button1->SetCaption("浏览全部");
    Button1->OnClick = [this](ui::TComponent&) { Button1Click(); };

    GroupBox4 = Make<ui::TGroupBox>(*this, this, 176, 104, 193, 49);
    GroupBox4->Name = "GroupBox4";
    GroupBox4->SetCaption("首字母查询");
    edit2 = Make<ui::TComboBox>(*this, GroupBox4, 8, 16, 97, kComboHeight);
    edit2->Name = "edit2";
    edit2->SetMaxLength(4);
    edit2->OnSelect = [this](ui::TComponent&) { edit2Select(); };
    edit2->OnEnter = [this](ui::TComponent&) { Edit2Enter(); };
    Button2 = Make<ui::TButton>(*this, GroupBox4, 112, 16, 75, 25);
    Button2->Name = "Button2";
    Button2->SetCaption("查询");
    Button2->OnClick = [this](ui::TComponent&) { Button2Click(); };
    // Both buttons start as default buttons; entering a box settles which
    // one Enter presses. Until then it is the keyword search.
    Button2->SetDefault(true);
    Button1->SetDefault(true);

    GroupBox2 = Make<ui::TGroupBox>(*this, this, 176, 160, 193, 321);
    GroupBox2->Name = "GroupBox2";
    GroupBox2->SetCaption("查询结果");
    GroupBox2->SetAnchors(akLeft | akTop | akBottom);
    ListBox1 = Make<ui::TListBox>(*this, GroupBox2, 8, 16, 177, 297);
    ListBox1->Name = "ListBox1";
    ListBox1->SetItemHeight(12);
    ListBox1->SetAnchors(akLeft | akTop | akBottom);
    ListBox1->OnClick = [this](ui::TComponent&) { ListBox1Click(); };

    GroupBox3 = Make<ui::TGroupBox>(*this, this, 376, 48, 377, 313);
    GroupBox3->Name = "GroupBox3";
    GroupBox3->SetCaption("详细解释");
    GroupBox3->SetAnchors(akLeft | akTop | akRight | akBottom);
    RichEdit1 = Make<ui::TRichEdit>(*this, GroupBox3, 8, 16, 361, 289, true);
    RichEdit1->Name = "RichEdit1";
    RichEdit1->Font().SetCharset(ui::kGb2312Charset);
    RichEdit1->SetColor(ui::clInfoBk);
    RichEdit1->PopupMenu = PopupMenu1;
    RichEdit1->SetAnchors(akLeft | akTop | akRight | akBottom);

    GroupBox6 = Make<ui::TGroupBox>(*this, this, 376, 368, 377, 113);
    GroupBox6->Name = "GroupBox6";
    GroupBox6->SetCaption("个人见解");
    GroupBox6->SetAnchors(akLeft | akRight | akBottom);
    Memo1 = Make<ui::TMemo>(*this, GroupBox6, 8, 16, 361, 89);
    Memo1->Name = "Memo1";
    Memo1->SetColor(ui::clInfoBk);
    Memo1->SetAnchors(akLeft | akTop | akRight);

    StatusBar1 = Make<ui::TStatusBar>(*this, this, 0, 483, 762, 19);
    StatusBar1->Name = "StatusBar1";
    StatusBar1->SetAnchors(akLeft | akRight | akBottom);
    StatusBar1->SetPanels({420, 342});
    StatusBar1->SetPanelText(1, kCredit, ui::TAlignment::taRightJustify);

    // The scratch list of the searches' history updates: outside the client
    // area, and hidden so that a maximised window does not show it either.
    ListBox2 = Make<ui::TListBox>(*this, this, 800, 72, 121, 97);
    ListBox2->Name = "ListBox2";
    ListBox2->SetVisible(false);
}

ui::TMenuItem* TForm1::Item(ui::TMenuItem* parent, const char* name, const char* caption,
                            void (TForm1::*handler)()) {
    auto* item = Make<ui::TMenuItem>(*this);
    item->Name = name;
    item->SetCaption(caption);
    if (handler)
        item->OnClick = [this, handler](ui::TComponent&) { (this->*handler)(); };
    parent->Add(item);
    return item;
}

void TForm1::CreateMenus() {
    MainMenu1 = Make<ui::TMainMenu>(*this);
    MainMenu1->Name = "MainMenu1";
    ui::TMenuItem* bar = MainMenu1->Items;

    N1 = Item(bar, "N1", "功能", nullptr);
    N30 = Item(N1, "N30", "保存个人见解", &TForm1::N30Click);
    N29 = Item(N1, "N29", "-", nullptr);
    N16 = Item(N1, "N16", "清空关键词搜索记录", &TForm1::N16Click);
    N17 = Item(N1, "N17", "清空首字母搜索记录", &TForm1::N17Click);
    N18 = Item(N1, "N18", "-", nullptr);
    N19 = Item(N1, "N19", "导出为文件", nullptr);
    N20 = Item(N19, "N20", "导出为“写字板”文档", &TForm1::N20Click);
    N21 = Item(N19, "N21", "导出为“记事本”文档", &TForm1::N21Click);
    N13 = Item(N1, "N13", "打印", &TForm1::N13Click);
    N14 = Item(N1, "N14", "-", nullptr);
    N15 = Item(N1, "N15", "退出", &TForm1::N15Click);

    N6 = Item(bar, "N6", "设置", nullptr);
    N22 = Item(N6, "N22", "在托盘区显示图标", &TForm1::N22Click);
    N23 = Item(N6, "N23", "最小化时到托盘区", &TForm1::N23Click);
    N27 = Item(N6, "N27", "-", nullptr);
    N28 = Item(N6, "N28", "开机自动启动", &TForm1::N28Click);

    N2 = Item(bar, "N2", "换肤", nullptr);
    N3 = Item(N2, "N3", "默认", &TForm1::N3Click);
    WindowsXP1 = Item(N2, "WindowsXP1", "Windows XP", &TForm1::WindowsXP1Click);
    N4 = Item(N2, "N4", "苹果", &TForm1::N4Click);
    N5 = Item(N2, "N5", "圣诞", &TForm1::N5Click);
    WindowsVista1 = Item(N2, "WindowsVista1", "Windows Vista", &TForm1::WindowsVista1Click);

    N8 = Item(bar, "N8", "帮助", nullptr);
    N7 = Item(N8, "N7", "关于“Lexora”", &TForm1::N7Click);

    PopupMenu1 = Make<ui::TPopupMenu>(*this);
    PopupMenu1->Name = "PopupMenu1";
    N11 = Item(PopupMenu1->Items, "N11", "复制选定内容到剪贴板", &TForm1::N11Click);
    N10 = Item(PopupMenu1->Items, "N10", "复制全部内容到剪贴板", &TForm1::N10Click);

    PopupMenu2 = Make<ui::TPopupMenu>(*this);
    PopupMenu2->Name = "PopupMenu2";
    N24 = Item(PopupMenu2->Items, "N24", "打开界面", &TForm1::N24Click);
    N24->SetDefault(true);
    N25 = Item(PopupMenu2->Items, "N25", "-", nullptr);
    N26 = Item(PopupMenu2->Items, "N26", "退出", &TForm1::N26Click);

    SetMenu(MainMenu1);

    SaveDialog1 = Make<ui::TSaveDialog>(*this);
    SaveDialog1->Name = "SaveDialog1";
    PrintDialog1 = Make<ui::TPrintDialog>(*this);
    PrintDialog1->Name = "PrintDialog1";
}

void TForm1::CreateToolBar() {
    Imlist_menu = Make<ui::TImageList>(*this, 20, 20);
    Imlist_menu->Name = "Imlist_menu";
    ui::OwnedBitmap strip(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_IMLIST_MENU), IMAGE_BITMAP, 0, 0, 0)));
    Imlist_menu->AddMasked(strip.get(), RGB(255, 0, 255));
    TreeView1->SetImages(Imlist_menu);

    ToolBar1 = Make<ui::TToolBar>(*this, this, 0, 0, 762, 49);
    ToolBar1->Name = "ToolBar1";
    ToolBar1->SetAnchors(akLeft | akTop | akRight);
    ToolBar1->SetImages(Imlist_menu);
    const auto button = [this](const char* name, const char* caption, int image,
                               void (TForm1::*handler)()) {
        auto* b = Make<ui::TToolButton>(*this);
        b->Name = name;
        if (caption) {
            b->Caption = caption;
            b->ImageIndex = image;
            b->OnClick = [this, handler](ui::TComponent&) { (this->*handler)(); };
        } else {
            b->Style = ui::TToolButtonStyle::tbsSeparator;
        }
        ToolBar1->AddButton(b);
        return b;
    };
    ToolButton7 = button("ToolButton7", "打印", 47, &TForm1::ToolButton7Click);
    ToolButton2 = button("ToolButton2", nullptr, 0, nullptr);
    ToolButton1 = button("ToolButton1", "复制选定", 43, &TForm1::ToolButton1Click);
    ToolButton9 = button("ToolButton9", "复制全部", 47, &TForm1::ToolButton9Click);
    ToolButton5 = button("ToolButton5", nullptr, 0, nullptr);
    ToolButton3 = button("ToolButton3", "导出为写字板", 44, &TForm1::ToolButton3Click);
    ToolButton4 = button("ToolButton4", "导出为文本", 45, &TForm1::ToolButton4Click);
    ToolButton8 = button("ToolButton8", nullptr, 0, nullptr);
    ToolButton6 = button("ToolButton6", "清空搜索历史", 46, &TForm1::ToolButton6Click);
    ToolButton10 = button("ToolButton10", nullptr, 0, nullptr);
    ToolButton12 = button("ToolButton12", "保存个人见解", 67, &TForm1::ToolButton12Click);
    ToolButton13 = button("ToolButton13", nullptr, 0, nullptr);
    ToolButton11 = button("ToolButton11", "退出软件", 47, &TForm1::ToolButton11Click);
    ToolBar1->SetButtonSize(79, 39);
}

void TForm1::CreateTrayIcon() {
    TrayIcon1 = Make<TTrayIcon>(*this);
    TrayIcon1->Name = "TrayIcon1";
    TrayIcon1->SetHint("Lexora电子版");
    const ui::OwnedIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAYICON), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    TrayIcon1->SetIcon(icon.get());
    TrayIcon1->SetIconIndex(0);
    TrayIcon1->SetCycleInterval(0);
    TrayIcon1->PopupMenu = PopupMenu2;
    TrayIcon1->OnClick = [this](ui::TComponent&) { TrayIcon1Click(); };
    TrayIcon1->Loaded();
}

TForm1::~TForm1() {
    FreeOwnedComponents();
}

// The skin data as the window's design data gives it: active, its stored
// skin the first of the five, which the store holds in menu order.
void TForm1::CreateSkin() {
    for (const wchar_t* name :
         {L"SkinItem0", L"SkinItem1", L"SkinItem2", L"SkinItem3", L"SkinItem4"}) {
        const std::span<const uint8_t> archive = ResourceData(name);
        SkinStore1.Store().Add().ReadDataStream(
            skin::MemoryStream(std::vector<uint8_t>(archive.begin(), archive.end())));
    }
    SkinData1 = std::make_unique<skin::TSkinData>(skin::window::SkinEngine::Instance().Services(
        [](const std::string& text) { ShowPlainMessage(text); }));
    skin::TSkinData& data = *SkinData1;
    data.BeginReadingFormData();
    data.SetActive(true);
    data.DisableTag = 99;
    data.SkinControls = skin::DefaultSkinControls();
    data.Options = {skin::TSkinOption::xoPreview, skin::TSkinOption::xoToolbarBK};
    data.ClassMap = skin::DefaultClassMap();
    data.SkinFormtype = skin::TSkinFormType::sfMainform;
    data.MenuUpdate = true;
    data.MenuMerge = false;
    const std::span<const uint8_t> stored = ResourceData(L"SkinStream");
    skin::MemoryStream stream(std::vector<uint8_t>(stored.begin(), stored.end()));
    data.ReadSkinStream(stream);
    data.Loaded();
}

// The start-up sequence. Steps that belong to parts not built yet are left
// out; the order of the others is fixed.
void TForm1::FormCreate() {
    ConnStr = store::BuildConnStr(ExecutableDirectory());
    // Step 2, the settings file, is Ini: it is opened with the window. Its
    // values for the start are read from one reading of the file.
    const settings::SettingsSnapshot saved = Ini.Read();
    const int savedSkin = saved.ReadInteger(settings::kSetupSection, "Skin", 0);
    RichEdit1->Clear();
    OptionsMenuView options(*N22, *N23, *N28, *TrayIcon1);
    settings::ReadOptions(saved, options);
    // Any other value leaves the skin the window was made with. A settings
    // file that refuses to take the choice back (a read-only one) leaves it
    // unsaved without a word: the skin is on, and the rest of the start-up
    // does not depend on it.
    try {
        SkinMenuView skins = SkinMenu();
        settings::ApplySavedSkin(skins, savedSkin);
    } catch (const settings::WriteError&) {
    }
    LoadHistories();
    TreeView1->Clear();
    OpenConnection();  // stays open after start-up
    BuildBrowseTree();
    // The connection stays open, but the whole file it has read through its
    // memory map need not stay in memory with it.
    Conn->ReleaseMemory();
    if (StartedWithSlashC() && N23->Checked())
        ui::Application().ShowMainForm = false;
    SavedNote = Memo1->Text();
}

// The histories must not be lost without a word: when the file cannot be
// written, the user is told so, and the window closes all the same.
void TForm1::FormCloseQuery(ui::TComponent&, bool& canClose) {
    try {
        SaveHistories();
    } catch (...) {
        ui::ReportCurrentException();
    }
    canClose = true;
}

settings::SettingsFile& TForm1::ReopenIni() {
    Ini = settings::SettingsFile::Beside(ExecutableDirectory());
    return Ini;
}

void TForm1::LoadHistories() {
    lookup::HistoryBox keyword, initials;
    lookup::LoadHistories(Ini.Read(), keyword, initials);
    ShowHistory(*edit1, keyword);
    ShowHistory(*edit2, initials);
}

void TForm1::SaveHistories() {
    lookup::SaveHistories(ReopenIni(), HistoryOf(*edit1), HistoryOf(*edit2));
}

void TForm1::UpdateHistory(ui::TComboBox* box) {
    lookup::HistoryBox history = HistoryOf(*box);
    std::vector<std::string> scratch;
    lookup::UpdateHistory(history, scratch);
    ListBox2->ClearItems();
    for (const std::string& entry : scratch)
        ListBox2->AddItem(entry);
    ShowHistory(*box, history);
}

void TForm1::ClearKeywordHistory() {
    lookup::HistoryBox keyword = HistoryOf(*edit1);
    lookup::ClearKeywordHistory(Ini, keyword);
    ShowHistory(*edit1, keyword);
}

void TForm1::ClearInitialsHistory() {
    lookup::HistoryBox initials = HistoryOf(*edit2);
    lookup::ClearInitialsHistory(Ini, initials);
    ShowHistory(*edit2, initials);
}

void TForm1::WMSysCommand(ui::TMessage& m) {
    // Minimising hides the window into the tray when that option is on.
    if (m.WParam == SC_MINIMIZE && N23->Checked()) {
        Hide();
        return;
    }
    TForm::WMSysCommand(m);
}

void TForm1::N30Click() {
    ToolButton12Click();
}
void TForm1::N16Click() {
    ClearKeywordHistory();
}
void TForm1::N17Click() {
    ClearInitialsHistory();
}
void TForm1::N15Click() {
    Close();
}

void TForm1::N22Click() {
    OptionsMenuView options(*N22, *N23, *N28, *TrayIcon1);
    settings::ToggleTrayIcon(options, ReopenIni());
}

void TForm1::N23Click() {
    OptionsMenuView options(*N22, *N23, *N28, *TrayIcon1);
    settings::ToggleMinimizeToTray(options, ReopenIni());
}

void TForm1::N28Click() {
    OptionsMenuView options(*N22, *N23, *N28, *TrayIcon1);
    RunKey registry;
    settings::ToggleAutostart(options, Ini, registry, ExecutablePath());
}

SkinMenuView TForm1::SkinMenu() {
    return SkinMenuView(*SkinData1, SkinStore1, {N3, WindowsXP1, N4, N5, WindowsVista1},
                        [this]() -> settings::SettingsFile& { return ReopenIni(); });
}

void TForm1::ChooseSkin(int index) {
    SkinMenuView skins = SkinMenu();
    settings::ChooseSkin(skins, index);
}

void TForm1::N3Click() {
    ChooseSkin(0);
}
void TForm1::WindowsXP1Click() {
    ChooseSkin(1);
}
void TForm1::N4Click() {
    ChooseSkin(2);
}
void TForm1::N5Click() {
    ChooseSkin(3);
}
void TForm1::WindowsVista1Click() {
    ChooseSkin(4);
}

void TForm1::N7Click() {
    for (ui::TForm* form : ui::Application().Forms()) {
        if (auto* about = dynamic_cast<TForm2*>(form))
            about->ShowModal();
    }
}

void TForm1::N24Click() {
    Show();
    SetForegroundWindow(Handle());
}

void TForm1::N26Click() {
    Close();
}

void TForm1::ToolButton7Click() {
    N13Click();
}
void TForm1::ToolButton1Click() {
    N11Click();
}
void TForm1::ToolButton9Click() {
    N10Click();
}
void TForm1::ToolButton3Click() {
    N20Click();
}
void TForm1::ToolButton4Click() {
    N21Click();
}
void TForm1::ToolButton6Click() {
    N16Click();
    N17Click();
}
void TForm1::ToolButton11Click() {
    N15Click();
}

void TForm1::TrayIcon1Click() {
    N24Click();
}
