// The designed layouts of the dialogs: a Qt Designer file per form, whose
// widgets are named after the form's controls so that they bind by name.
#pragma once

#include <string>

class QDialog;
class TFormModel;

// Lays the dialog out for the form, before its controls are bound.
using TDialogDesign = void (*)(QDialog& dialog, const TFormModel& form);

// Null for a form with no design yet: its controls are stacked.
TDialogDesign DialogDesign(const std::string& formName);
