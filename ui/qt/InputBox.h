// The input box: a caption, a prompt and a line to answer in, with OK and Cancel.
#pragma once

#include <QDialog>

class QLineEdit;

class TInputBox : public QDialog {
public:
    TInputBox(const QString& caption, const QString& prompt, const QString& value, QWidget* parent);

    QString Value() const;

private:
    QLineEdit* Edit = nullptr;
};
