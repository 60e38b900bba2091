// The open-book dialog: a heading, the books and their bookmarks, a name box for
// a new bookmark, OK, CANCEL and DELETE. Saving and loading prepare it.
#pragma once

#include <string>
#include <vector>

#include "platform/FormModel.h"
#include "session/BookmarkFolders.h"

class TFrmStart : public TFormModel {
public:
    TFrmStart();

    // Naming a new bookmark: the saved bookmarks are shown, none can be picked.
    void PrepareForSaving(const std::string& savesFolder);
    // Picking a bookmark of the program folder's book, which may be deleted.
    void PrepareForLoading(const std::string& programFolder);
    // Fills the bookmark list of the selected book.
    void ListBookmarksOfBook();

    // The bookmark picked in the list, or null.
    const TBookmarkEntry* SelectedBookmark() const;
    const std::string& BookName() const { return FBookName; }
    std::string SaveName() const { return Control("EditSaveName").Text; }

private:
    void ShowEntries(bool unreadableToo);
    void DeleteSelected();

    std::string ProgramFolder;
    std::string FBookName;
    std::vector<TBookmarkEntry> Bookmarks;
};
