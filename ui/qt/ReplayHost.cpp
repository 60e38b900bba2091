#include "ui/qt/ReplayHost.h"

#include <QCoreApplication>

#include "ui/qt/FormDialog.h"
#include "ui/qt/MainWindow.h"

TReplayHost::TReplayHost(std::string settingsFile, TMainWindow& window)
    : TScriptedHost(std::move(settingsFile)), Window(window)
{
}

TReplayHost::~TReplayHost() = default;

int TReplayHost::ShowModal(TFormModel& form)
{
    // The script is the only input: the dialog shows and delivers nothing.
    auto dialog = std::make_unique<TFormDialog>(form, [](const std::function<void()>&) {}, &Window);
    Dialogs.push_back(dialog.get());
    struct TClose {
        std::vector<TFormDialog*>& Dialogs;
        ~TClose() { Dialogs.pop_back(); }
    } close{Dialogs};
    dialog->show();
    ShowPending();
    return TScriptedHost::ShowModal(form);
}

void TReplayHost::ShowPending()
{
    Window.Sync();
    for (TFormDialog* dialog : Dialogs)
        dialog->Sync();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget& TReplayHost::FrontWindow()
{
    return Dialogs.empty() ? static_cast<QWidget&>(Window) : *Dialogs.back();
}
