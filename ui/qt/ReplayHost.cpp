#include "ui/qt/ReplayHost.h"

#include <QCoreApplication>

#include "ui/qt/FormDialog.h"
#include "ui/qt/InputBox.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtCanvas.h"
#include "ui/qt/QtConvert.h"

namespace {

// Keeps a dialog in front for as long as the script answers it.
class TShownDialog {
public:
    TShownDialog(std::vector<QDialog*>& dialogs, QDialog& dialog) : Dialogs(dialogs)
    {
        Dialogs.push_back(&dialog);
        dialog.show();
    }
    ~TShownDialog() { Dialogs.pop_back(); }
    TShownDialog(const TShownDialog&) = delete;
    TShownDialog& operator=(const TShownDialog&) = delete;

private:
    std::vector<QDialog*>& Dialogs;
};

} // namespace

TReplayHost::TReplayHost(std::string settingsFile, TMainWindow& window)
    : TScriptedHost(std::move(settingsFile)), Window(window)
{
}

TReplayHost::~TReplayHost() = default;

int TReplayHost::ShowModal(TFormModel& form)
{
    // The script is the only input: the dialog shows and delivers nothing.
    TFormDialog dialog(form, [](const std::function<void()>&) {}, &FrontWindow());
    const TShownDialog shown(Dialogs, dialog);
    ShowPending();
    return TScriptedHost::ShowModal(form);
}

bool TReplayHost::InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    TInputBox box(ToQt(caption), ToQt(prompt), ToQt(value), &FrontWindow());
    const TShownDialog shown(Dialogs, box);
    ShowPending();
    return TScriptedHost::InputQuery(caption, prompt, value);
}

std::unique_ptr<ICanvas> TReplayHost::CreateCanvas(int width, int height)
{
    return std::make_unique<TQtCanvas>(width, height);
}

void TReplayHost::ShowPending()
{
    Window.Sync();
    for (QDialog* dialog : Dialogs)
        if (auto* view = dynamic_cast<IModelView*>(dialog))
            view->Sync();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget& TReplayHost::FrontWindow()
{
    return Dialogs.empty() ? static_cast<QWidget&>(Window) : *Dialogs.back();
}
