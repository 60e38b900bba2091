#include "ui/qt/InputBox.h"

#include "ui_InputBox.h"

TInputBox::TInputBox(const QString& caption, const QString& prompt, const QString& value, QWidget* parent)
    : QDialog(parent)
{
    Ui::InputBox design;
    design.setupUi(this);
    setWindowTitle(caption);
    design.LblPrompt->setText(prompt);
    Edit = design.EditValue;
    Edit->setText(value);
    Edit->selectAll();
    connect(design.BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(design.BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TInputBox::Value() const
{
    return Edit->text();
}
