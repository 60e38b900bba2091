// The list dialog: the spell books a scroll can be copied into, or the contents
// of a container in the backpack with their TO BACKPACK button.
#pragma once

#include <string>
#include <vector>

#include "platform/FormModel.h"

class TItem;
class TPlayer;

class TFrmSpellBooks : public TFormModel {
public:
    TFrmSpellBooks();

    // The 0-based entry selected when the dialog closed with OK, -1 otherwise.
    int Choose(const std::vector<std::string>& entries);
    // Lists the container's contents, and its gold last, until closed.
    void ShowContents(TPlayer& member, TItem& container);

private:
    void ListContents();
    void ToBackpack();

    TPlayer* Member = nullptr;
    TItem* Container = nullptr;
    // The content place of each line; the gold line has none.
    std::vector<size_t> Places;
};
