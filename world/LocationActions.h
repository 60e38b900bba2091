// What the party does with the things of its current location: the main window's
// action buttons, carried out by the selected member, and the target pickers of
// the Pick Lock and Remove Traps skills.
#pragma once

#include <string>

class TCreature;
class TItem;

// Click handlers of the action buttons; the sender is the clicked button.
void BtnGetClick(const std::string& sender);
void BtnLookClick(const std::string& sender);
void BtnPickupClick(const std::string& sender);
void BtnContentsClick(const std::string& sender);
void BtnOpenClick(const std::string& sender);
void BtnTalkClick(const std::string& sender);
void BtnUnlockClick(const std::string& sender);
void BtnUseClick(const std::string& sender);
void BtnExamineClick(const std::string& sender);
void BtnRestClick(const std::string& sender);

// Both fire the chosen item's event and return the item while it still lies
// here afterwards; null when nothing was chosen or it is gone.
TItem* ChoosePickLockTarget();
TItem* ChooseRemoveTrapsTarget(TCreature* user);
