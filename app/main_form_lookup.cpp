// The main window's dictionary commands: the display of an idiom with the
// unsaved-note guard, the two searches, the browse tree and the note save.
#include "app/main_form.h"

#include <vector>

#include "app/messages.h"
#include "lookup/entry_document.h"
#include "lookup/entry_view.h"
#include "lookup/note_rules.h"
#include "lookup/search_rules.h"
#include "text/text_rules.h"
#include "ui/application.h"

namespace {

lookup::IdiomRecord ReadRecord(store::RecordSet& rs) {
    lookup::IdiomRecord r;
    r.ChengYu = rs.Fields("ChengYu").Value();
    r.SPingYin = rs.Fields("SPingYin").Value();
    r.PingYin = rs.Fields("PingYin").Value();
    r.DianGu = rs.Fields("DianGu").Value();
    r.ChuChu = rs.Fields("ChuChu").Value();
    r.LiZi = rs.Fields("LiZi").Value();
    if (!rs.Fields("Diy").IsNull())
        r.Diy = rs.Fields("Diy").Value();
    return r;
}

}  // namespace

bool TForm1::CheckNoteSaved() {
    if (!lookup::NoteChanged(Memo1->Text(), SavedNote))
        return true;
    ShowConfirmation(lookup::UnsavedNoteMessage(RichEdit1->Line(0)));
    return false;
}

void TForm1::ShowIdiom(const std::string& key) {
    if (!CheckNoteSaved())
        return;
    // Setting an edit's text is slow under Wine; most idioms have no note.
    if (!Memo1->Text().empty())
        Memo1->SetText("");
    SavedNote.clear();
    OpenIdiomQuery(store::ExactIdiomStatement(key));
    if (!Rs->eof()) {
        const lookup::IdiomRecord record = ReadRecord(*Rs);
        lookup::EntryDocument doc;
        try {
            lookup::AppendEntry(doc, record, [] { ShowPlainMessage("密文错误！"); });
        } catch (...) {
            ShowEntry(std::move(doc));  // the rows up to the failing one
            throw;
        }
        lookup::RemoveTrailingBlankLines(doc);
        ShowEntry(std::move(doc));
        const std::string note = record.Diy ? text::Trim(*record.Diy) : std::string();
        if (!note.empty()) {
            Memo1->SetText(note);
            SavedNote = Memo1->Text();
        }
    }
    CloseIdiomQuery();
}

void TForm1::ShowEntry(lookup::EntryDocument doc) {
    lookup::ShowEntry(*RichEdit1, doc);
    ShownEntry = std::move(doc);
}

void TForm1::ListBox1Click() {
    if (!CheckNoteSaved())
        return;
    const int row = ListBox1->ItemIndex();
    if (row >= 0)
        ShowIdiom(text::Trim(ListBox1->Item(row)));
}

void TForm1::TreeView1Change() {
    HTREEITEM node = TreeView1->Selected();
    if (!node || TreeView1->Level(node) != 1)
        return;
    ShowIdiom(text::Trim(TreeView1->NodeText(node)));
}

void TForm1::BuildBrowseTree() {
    SendMessageW(TreeView1->Handle(), WM_SETREDRAW, FALSE, 0);
    struct Redraw {
        HWND tree;
        ~Redraw() {
            SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(tree, nullptr, TRUE);
        }
    } redraw{TreeView1->Handle()};
    // The letters go in before their idioms: the system's tree view may
    // check a new node's parent by walking the nodes in the order they were
    // inserted, which behind thousands of idioms makes the build quadratic.
    std::vector<HTREEITEM> letterNodes;
    for (char letter : kBrowseLetters)
        letterNodes.push_back(TreeView1->AddChild(nullptr, std::string(1, letter), 0));
    size_t filled = 0;
    try {
        // Messages are processed once for every letter of the alphabet.
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            ui::Application().ProcessMessages();
            if (kBrowseLetters.find(letter) == std::string_view::npos)
                continue;
            // The letter's statement, read ahead on a connection of its own.
            const store::LetterIdioms read = BrowseRows->Take(filled);
            HTREEITEM node = letterNodes[filled++];
            for (std::string_view idiom : read.idioms)
                TreeView1->AddChild(node, idiom, 0);
            if (read.failure)
                std::rethrow_exception(read.failure);
        }
    } catch (...) {
        // A failing letter ends the tree, as if no later letter had been
        // inserted.
        for (size_t i = filled; i < letterNodes.size(); ++i)
            TreeView1->DeleteNode(letterNodes[i]);
        throw;
    }
}

int TForm1::ListSearchResults() {
    ListBox1->ClearItems();
    if (Rs->eof()) {
        StatusBar1->SetPanelText(0, lookup::ResultCountText(0));
        ShowRefusal("抱歉，没有找到符合的成语，请重新查询");
        CloseIdiomQuery();
        return -1;
    }
    int count = 0;
    ListBox1->BeginUpdate(32768);
    for (; !Rs->eof(); Rs->movenext(), ++count)
        ListBox1->AddItem(Rs->Fields("ChengYu").Value());
    ListBox1->EndUpdate();
    CloseIdiomQuery();
    if (ListBox1->ItemCount() > 0) {
        ListBox1->SetItemIndex(0);
        ListBox1Click();
    }
    return count;
}

void TForm1::Button1Click() {
    OpenIdiomQuery(lookup::KeywordSearch(edit1->Text()));
    const int count = ListSearchResults();
    if (count < 0)
        return;
    StatusBar1->SetPanelText(0, lookup::ResultCountText(count));
    UpdateHistory(edit1);
}

void TForm1::Button2Click() {
    const auto statement = lookup::InitialsSearch(edit2->Text());
    if (!statement) {
        ShowRefusal("请输入首字母");
        return;
    }
    OpenIdiomQuery(*statement);
    const int count = ListSearchResults();
    if (count < 0)
        return;
    StatusBar1->SetPanelText(0, lookup::ResultCountText(count));
    UpdateHistory(edit2);
}

void TForm1::Edit1Change() {
    Button1->SetCaption(lookup::KeywordButtonCaption(edit1->Text()));
}

void TForm1::edit1Select() {
    Button1Click();
    Button1->SetCaption(lookup::KeywordButtonCaption(edit1->Text()));
}

void TForm1::edit2Select() {
    Button2Click();
}

void TForm1::Edit1Enter() {
    Button1->SetDefault(true);
    Button2->SetDefault(false);
}

void TForm1::Edit2Enter() {
    Button2->SetDefault(true);
    Button1->SetDefault(false);
}

// The history comes with the settings file; a search already calls it.
void TForm1::ToolButton12Click() {
    SaveNote();
}

void TForm1::SaveNote() {
    OpenIdiomQuery(store::ExactIdiomStatement(text::Trim(RichEdit1->Line(0))));
    const bool found = !Rs->eof();
    if (found) {
        Rs->Fields("Diy").SetValue(Memo1->Text());
        Rs->update();
        SavedNote = Memo1->Text();
    }
    CloseIdiomQuery();
    if (found) {
        ShowConfirmation("个人见解保存成功！");
    } else {
        // Nothing names a record: the note stays unsaved, and the guard
        // still protects it.
        ShowRefusal("详细解释中没有显示成语，个人见解没有保存");
    }
}
