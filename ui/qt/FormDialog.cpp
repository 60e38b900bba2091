#include "ui/qt/FormDialog.h"

#include <QCloseEvent>

#include "ui/qt/FormDesigns.h"
#include "ui/qt/QtConvert.h"

namespace {

constexpr int DialogMinimumWidth = 360;

} // namespace

TFormDialog::TFormDialog(TFormModel& form, TDeliver deliver, QWidget* parent)
    : QDialog(parent), Form(form), Deliver(deliver), View(form, *this, deliver)
{
    // The design comes first: the first sync binds its widgets by name.
    if (const TDialogDesign design = DialogDesign(form.Name()))
        design(*this, form);
    else
        setMinimumWidth(DialogMinimumWidth);
    Sync();
}

void TFormDialog::Sync()
{
    View.Sync();
    const QString title = ToQt(Form.Caption);
    if (windowTitle() != title)
        setWindowTitle(title);
}

void TFormDialog::AskToClose()
{
    Deliver([this] { Form.CloseQuery(); });
}

void TFormDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    AskToClose();
}

void TFormDialog::reject()
{
    AskToClose();
}
