// The main window drawn from TForm1: the page control with its designed tabs,
// the menus, the status bar and the output pane. It grows with the window, previews
// every key released in it and asks the model before it closes.
#pragma once

#include <QMainWindow>
#include <functional>

#include "ui/qt/FormView.h"
#include "ui/qt/ModelView.h"

class TForm1;
class TOutputView;

class TMainWindow : public QMainWindow, public IModelView {
public:
    TMainWindow(TForm1& form, TDeliver deliver, double scale);
    ~TMainWindow() override;

    void Sync() override;

    // Told once, when the window has closed for good.
    std::function<void()> OnClosed;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Make(const TControlState& control, QWidget& container);
    void Close();

    TForm1& Form;
    TDeliver Deliver;
    TOutputView* Output = nullptr;
    TFormView View;
    bool Closed = false;
};
