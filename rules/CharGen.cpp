#include "rules/CharGen.h"

#include "platform/Host.h"
#include "session/Process.h"

bool CreateCharacter(TPlayer&)
{
    // The creation pages are not part of this engine yet: no member can be made.
    Host().MessageDlg("Character creation is not available in this version.", TMsgDlgType::Information, mbOK);
    return false;
}
