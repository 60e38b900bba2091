// A modal form drawn as a dialog: in its designed layout, or with its controls
// stacked in creation order, buttons side by side. Its close button and Escape ask the form's CloseQuery; the host
// ends the dialog once the form has a modal result.
#pragma once

#include <QDialog>

#include "ui/qt/FormView.h"
#include "ui/qt/ModelView.h"

class TFormDialog : public QDialog, public IModelView {
public:
    TFormDialog(TFormModel& form, TDeliver deliver, QWidget* parent);

    void Sync() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void AskToClose();

    TFormModel& Form;
    TDeliver Deliver;
    TFormView View;
};
