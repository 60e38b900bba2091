// The host of interactive play: Qt's boxes and dialogs, modal forms drawn as
// dialogs, the pump as a nested event loop, Qt timers, image canvases, the
// settings file, the desktop's shell and the primary screen.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/Host.h"
#include "platform/Settings.h"

class IModelView;
class QTimer;
class QWidget;

class TQtHost : public IHost {
public:
    explicit TQtHost(std::string settingsFile);
    ~TQtHost() override;
    TQtHost(const TQtHost&) = delete;
    TQtHost& operator=(const TQtHost&) = delete;

    // The window that boxes open over and that is kept in step; its closing
    // ends every wait. Detached before it goes.
    void AttachMainWindow(QWidget& window, IModelView& view);
    void DetachMainWindow();
    void MainWindowClosed() { Closed = true; }

    // Runs an engine handler (a click, a key, a menu item, a timer): an error
    // escaping it is shown in an error box and play goes on. Then every window
    // is brought in step.
    void Deliver(const std::function<void()>& handler);
    // The program's idle loop: until done() holds or the main window closed.
    void RunMainLoop(const std::function<bool()>& done);

    // IHost
    int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
    bool OpenFileDialog(const std::string& title, const std::string& filter, std::string& path) override;
    int ShowModal(TFormModel& form) override;
    void ProcessMessages() override;
    void WaitUntil(const std::function<bool()>& done, const std::string& what) override;
    TTimerHandle CreateTimer(int intervalMs, std::function<void()> onTimer) override;
    void SetTimerEnabled(TTimerHandle timer, bool enabled) override;
    void DestroyTimer(TTimerHandle timer) override;
    double Now() override;
    std::unique_ptr<ICanvas> CreateCanvas(int width, int height) override;
    TSettings& Settings() override { return FSettings; }
    bool ShellOpen(const std::string& target, const std::string& folder) override;
    int ScreenWidth() override;

private:
    struct TTimerEntry {
        QTimer* Timer = nullptr;
        std::function<void()> Callback;
        bool Running = false;
    };

    void SyncViews();
    void Pump(const std::function<bool()>& done);
    void Fire(TTimerHandle timer);
    QWidget* DialogParent() const;

    QPointer<QWidget> MainWindow;
    IModelView* MainView = nullptr;
    // The modal forms open, innermost last.
    std::vector<IModelView*> Dialogs;
    bool Closed = false;
    std::map<TTimerHandle, std::shared_ptr<TTimerEntry>> Timers;
    TTimerHandle NextTimer = 1;
    TSettings FSettings;
};
