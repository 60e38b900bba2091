#include "ui/qt/QtHost.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "platform/DateTime.h"
#include "ui/qt/FormDialog.h"
#include "ui/qt/InputBox.h"
#include "ui/qt/QtCanvas.h"
#include "ui/qt/QtConvert.h"

namespace {

struct TBoxButton {
    TMsgDlgBtn Engine;
    QMessageBox::StandardButton Qt;
    int Result;
};

const TBoxButton BoxButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},          {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},             {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::Warning:
        return QMessageBox::Warning;
    case TMsgDlgType::Error:
        return QMessageBox::Critical;
    case TMsgDlgType::Information:
        return QMessageBox::Information;
    case TMsgDlgType::Confirmation:
        return QMessageBox::Question;
    case TMsgDlgType::Custom:
        break;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::Warning:
        return QStringLiteral("Warning");
    case TMsgDlgType::Error:
        return QStringLiteral("Error");
    case TMsgDlgType::Information:
        return QStringLiteral("Information");
    case TMsgDlgType::Confirmation:
        return QStringLiteral("Confirm");
    case TMsgDlgType::Custom:
        break;
    }
    return QApplication::applicationName();
}

} // namespace

TQtHost::TQtHost(std::string settingsFile) : FSettings(std::move(settingsFile)) {}

TQtHost::~TQtHost()
{
    for (const auto& [handle, entry] : Timers)
        delete entry->Timer;
    // Timers destroyed from their own callbacks were left for the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TQtHost::AttachMainWindow(QWidget& window, IModelView& view)
{
    MainWindow = &window;
    MainView = &view;
}

void TQtHost::DetachMainWindow()
{
    MainWindow = nullptr;
    MainView = nullptr;
}

QWidget* TQtHost::DialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return MainWindow.data();
}

void TQtHost::SyncViews()
{
    if (MainView)
        MainView->Sync();
    // A copy: a dialog's sync may deliver input that ends another dialog.
    const std::vector<IModelView*> dialogs = Dialogs;
    for (IModelView* dialog : dialogs)
        dialog->Sync();
}

void TQtHost::Deliver(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        // The default error display: the handler is abandoned, play goes on.
        MessageDlg(error.what(), TMsgDlgType::Error, mbOK);
    }
    SyncViews();
}

void TQtHost::Pump(const std::function<bool()>& done)
{
    QEventLoop loop;
    while (!done() && !Closed) {
        SyncViews();
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void TQtHost::RunMainLoop(const std::function<bool()>& done)
{
    QEventLoop loop;
    while (!done() && !Closed) {
        SyncViews();
        loop.processEvents(QEventLoop::WaitForMoreEvents);
        // Nothing runs beneath the main loop, so what was let go (widgets of
        // removed controls, destroyed timers) can go now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void TQtHost::ProcessMessages()
{
    SyncViews();
    QCoreApplication::processEvents();
}

void TQtHost::WaitUntil(const std::function<bool()>& done, const std::string&)
{
    Pump(done);
}

int TQtHost::MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    SyncViews();
    QMessageBox::StandardButtons shown;
    for (const TBoxButton& button : BoxButtons)
        if (buttons & button.Engine)
            shown |= button.Qt;
    if (!shown)
        shown = QMessageBox::Ok;
    QMessageBox box(IconOf(type), TitleOf(type), ToQt(text), shown, DialogParent());
    const int pressed = box.exec();
    for (const TBoxButton& button : BoxButtons)
        if (pressed == button.Qt)
            return button.Result;
    return mrCancel;
}

bool TQtHost::InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    SyncViews();
    TInputBox box(ToQt(caption), ToQt(prompt), ToQt(value), DialogParent());
    if (box.exec() != QDialog::Accepted)
        return false;
    value = FromQt(box.Value());
    return true;
}

bool TQtHost::OpenFileDialog(const std::string& title, const std::string& filter, std::string& path)
{
    SyncViews();
    const QString chosen = QFileDialog::getOpenFileName(DialogParent(), ToQt(title), ToQt(path), ToQtFileFilter(filter));
    if (chosen.isEmpty())
        return false;
    path = FromQt(chosen);
    return true;
}

int TQtHost::ShowModal(TFormModel& form)
{
    form.ModalResult = mrNone;
    SyncViews();
    TFormDialog dialog(form, [this](const std::function<void()>& handler) { Deliver(handler); }, DialogParent());
    dialog.setWindowModality(Qt::ApplicationModal);
    Dialogs.push_back(&dialog);
    struct TForget {
        std::vector<IModelView*>& Dialogs;
        ~TForget() { Dialogs.pop_back(); }
    } forget{Dialogs};
    dialog.show();
    Pump([&form] { return form.ModalResult != mrNone; });
    dialog.hide();
    return form.ModalResult;
}

TTimerHandle TQtHost::CreateTimer(int intervalMs, std::function<void()> onTimer)
{
    const TTimerHandle handle = NextTimer++;
    auto entry = std::make_shared<TTimerEntry>();
    entry->Timer = new QTimer;
    entry->Timer->setInterval(std::max(intervalMs, 1));
    entry->Callback = std::move(onTimer);
    QObject::connect(entry->Timer, &QTimer::timeout, [this, handle] { Fire(handle); });
    Timers[handle] = entry;
    return handle;
}

void TQtHost::Fire(TTimerHandle timer)
{
    const auto found = Timers.find(timer);
    if (found == Timers.end())
        return;
    // Held here, and the callback copied, so that a callback destroying its own
    // timer is safe; a callback never runs inside itself.
    const std::shared_ptr<TTimerEntry> entry = found->second;
    if (entry->Running)
        return;
    entry->Running = true;
    const std::function<void()> callback = entry->Callback;
    Deliver(callback);
    entry->Running = false;
}

void TQtHost::SetTimerEnabled(TTimerHandle timer, bool enabled)
{
    const auto found = Timers.find(timer);
    if (found == Timers.end())
        return;
    QTimer& qtTimer = *found->second->Timer;
    if (enabled && !qtTimer.isActive())
        qtTimer.start();
    else if (!enabled)
        qtTimer.stop();
}

void TQtHost::DestroyTimer(TTimerHandle timer)
{
    const auto found = Timers.find(timer);
    if (found == Timers.end())
        return;
    // Its timeout may be what runs now: Qt deletes it once that is over.
    found->second->Timer->stop();
    found->second->Timer->deleteLater();
    Timers.erase(found);
}

double TQtHost::Now()
{
    return DateTimeNow();
}

std::unique_ptr<ICanvas> TQtHost::CreateCanvas(int width, int height)
{
    return std::make_unique<TQtCanvas>(width, height);
}

bool TQtHost::ShellOpen(const std::string& target, const std::string& folder)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(ToQt(target), ToQt(folder), QUrl::AssumeLocalFile));
}

int TQtHost::ScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}
