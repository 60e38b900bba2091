#include "app/StartForm.h"

#include <algorithm>
#include <filesystem>

#include "data/Utils.h"
#include "platform/Host.h"
#include "session/Process.h"

namespace fs = std::filesystem;

TFrmStart::TFrmStart() : TFormModel("FrmStart")
{
    Add("Label1", TControlKind::Label);
    auto hidden = [this](const std::string& name, TControlKind kind) -> TControlState& {
        TControlState& control = Add(name, kind);
        control.Visible = false;
        return control;
    };
    hidden("LblBooks", TControlKind::Label).Caption = "BOOKS";
    hidden("LblBookmarks", TControlKind::Label).Caption = "BOOKMARKS";
    hidden("ListBooks", TControlKind::ListBox);
    Add("ListBookmarks", TControlKind::ListBox);
    hidden("EditSaveName", TControlKind::Edit);
    Add("Button1", TControlKind::Button).Caption = "OK";
    Add("Button2", TControlKind::Button).Caption = "CANCEL";
    hidden("BtnDel", TControlKind::Button).Caption = "DELETE";
    Control("Button1").OnClick = [this](const std::string&) {
        const TControlState& books = Control("ListBooks");
        if (books.ItemIndex >= 0 && static_cast<size_t>(books.ItemIndex) < books.Items.size())
            FBookName = books.Items[books.ItemIndex];
        ModalResult = mrOk;
    };
    Control("Button2").OnClick = [this](const std::string&) { ModalResult = mrCancel; };
    Control("ListBooks").OnClick = [this](const std::string&) { ListBookmarksOfBook(); };
    Control("BtnDel").OnClick = [this](const std::string&) { DeleteSelected(); };
}

void TFrmStart::PrepareForSaving(const std::string& savesFolder)
{
    FBookName.clear();
    Control("LblBooks").Visible = false;
    Control("LblBookmarks").Visible = true;
    Control("Label1").Caption = "GIVE A BOOKMARK NAME";
    Caption = "Set Bookmark";
    Control("EditSaveName").Visible = true;
    Control("EditSaveName").Text.clear();
    Control("BtnDel").Visible = false;
    Bookmarks = ListBookmarks(savesFolder);
    ShowEntries(false);
}

void TFrmStart::PrepareForLoading(const std::string& programFolder)
{
    FBookName.clear();
    ProgramFolder = programFolder;
    Control("Label1").Caption = "CHOOSE A BOOKMARK";
    Caption = "Go to Bookmark";
    Control("EditSaveName").Visible = false;
    Control("BtnDel").Visible = true;
    Control("LblBookmarks").Visible = true;
    TControlState& books = Control("ListBooks");
    books.Items = {"Game"};
    books.ItemIndex = 0;
    ListBookmarksOfBook();
}

void TFrmStart::ListBookmarksOfBook()
{
    Bookmarks.clear();
    Control("ListBookmarks").Items.clear();
    Control("ListBookmarks").ItemIndex = -1;
    const TControlState& books = Control("ListBooks");
    if (!Control("ListBookmarks").Visible || ProgramFolder.empty() || books.ItemIndex < 0 ||
        static_cast<size_t>(books.ItemIndex) >= books.Items.size())
        return;
    const std::string book = books.Items[books.ItemIndex];
    const fs::path game = fs::path(ProgramFolder) / book;
    std::error_code error;
    if (!fs::is_directory(game, error)) {
        Host().MessageDlg(book + " directory not found.", TMsgDlgType::Error, mbOK);
        return;
    }
    Bookmarks = ListBookmarks((game / "Saves").string());
    ShowEntries(true);
}

void TFrmStart::ShowEntries(bool unreadableToo)
{
    if (!unreadableToo)
        std::erase_if(Bookmarks, [](const TBookmarkEntry& entry) { return !entry.Readable; });
    TControlState& list = Control("ListBookmarks");
    list.Items.clear();
    for (const TBookmarkEntry& entry : Bookmarks)
        list.Items.push_back(BookmarkCaption(entry));
    list.ItemIndex = -1;
}

const TBookmarkEntry* TFrmStart::SelectedBookmark() const
{
    const int index = Control("ListBookmarks").ItemIndex;
    return index >= 0 && static_cast<size_t>(index) < Bookmarks.size() ? &Bookmarks[index] : nullptr;
}

void TFrmStart::DeleteSelected()
{
    const TBookmarkEntry* entry = SelectedBookmark();
    if (!Control("ListBookmarks").Visible || !entry)
        return;
    if (Host().MessageDlg("Are you sure you want to delete the selected bookmark?", TMsgDlgType::Confirmation,
                          mbYesNo) != mrYes)
        return;
    if (DeleteFolder(entry->Folder))
        ListBookmarksOfBook();
    else
        Host().MessageDlg("Error deleting bookmark folder", TMsgDlgType::Error, mbOK);
}
