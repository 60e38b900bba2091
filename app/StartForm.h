// The open-book dialog: a heading, the books and their bookmarks, a name box for
// a new bookmark, OK, CANCEL and DELETE. Saving and loading prepare it.
#pragma once

#include "platform/FormModel.h"

class TFrmStart : public TFormModel {
public:
    TFrmStart();
};
