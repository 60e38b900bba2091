// A host driven by command lines: every wait of the engine takes the next line and
// applies it to what is waiting. Time is virtual: it passes only when a "wait"
// line (or the caller) advances it, and due timers fire in order. It serves the
// console program's scripts, its terminal prompt (lines typed by the player) and
// the unit tests (lines queued up front).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/CommandScript.h"
#include "platform/Host.h"
#include "platform/Settings.h"

class TOutputPane;
class TRandomSource;

class TScriptedHost : public IHost {
public:
    // Asked for a line when the queue is empty; told what is waiting. nullopt ends
    // the lines.
    using TLineSource = std::function<std::optional<std::string>(const std::string& waiting)>;

    explicit TScriptedHost(std::string settingsFile = {});
    ~TScriptedHost() override;

    // Queues lines (a whole script text, or one line).
    void AddLines(const std::string& text);
    void SetLineSource(TLineSource source) { Source = std::move(source); }

    // The window that input goes to when no modal form is open, the pane "expect"
    // reads, and the random source "seed" and "random" set.
    void Attach(TFormModel* mainWindow, TOutputPane* output, TRandomSource* random);
    // The program's idle loop: takes lines until done() holds or the lines run out.
    void RunMainLoop(const std::function<bool()>& done);
    bool MainWindowClosed() const { return FMainWindowClosed; }

    // Lets ms of virtual time pass, firing due timers in order.
    void Advance(int64_t ms);
    int64_t Elapsed() const { return Clock; }

    const std::string& LastBoxText() const { return FLastBox; }
    // The prompt of the input box, or the title of the file dialog, that is open.
    const std::string& Question() const { return FQuestion; }
    // The filter ("Label|*.ext") and the initial path of the last open-file dialog,
    // so a prompt can list what it would offer.
    const std::string& FileFilter() const { return FFileFilter; }
    const std::string& FileInitialPath() const { return FFileInitialPath; }
    bool BoxOpen() const { return FBoxOpen; }

    // What the engine waits on now, for a prompt that explains it.
    enum class TWaitKind { Window, Form, MessageBox, InputBox, FileDialog };
    TWaitKind Waiting() const { return FWaiting; }
    TMsgDlgButtons BoxButtons() const { return FBoxButtons; }
    // The modal form that takes input now, or the main window.
    TFormModel* InputForm() { return ModalForms.empty() ? MainWindow : ModalForms.back(); }

    // false: a faulty line is reported through Print, without its line number, and
    // the next one read (the terminal); true: it stops the run (scripts and tests).
    bool StopOnError = true;
    // Where "show" and reports go; standard output unless set.
    std::function<void(const std::string&)> Print;
    // Takes "screenshot FILE"; hosts without pixels leave it unset.
    std::function<void(const std::string&)> Screenshot;
    // Called after every line delivered, so a drawing host can repaint.
    std::function<void()> AfterLine;
    int ScreenWidthPixels = 1024;
    std::string LastShellOpen;

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
    int ScreenWidth() override { return ScreenWidthPixels; }

private:
    struct TTimerEntry {
        int Interval = 1;
        std::function<void()> Callback;
        bool Enabled = false;
        bool Running = false;
        int64_t Due = 0;
    };

    // The next line, or nullopt when none is left.
    std::optional<TScriptLine> NextLine(const std::string& waiting);
    // Reads lines until one input line is taken; check lines run on the way.
    // nullopt when the lines ran out.
    std::optional<TScriptLine> NextInput(const std::string& waiting);
    void RunCheck(const TScriptLine& line);
    // "answer ok TEXT" gives the text, "answer cancel" nullopt.
    std::optional<std::string> TakeTextAnswer(const std::string& what, bool emptyAllowed);
    // Applies an input line to the waiting form.
    void Deliver(const TScriptLine& line);
    void DeliverToForm(const TScriptLine& line, TFormModel& form);
    void Fail(const TScriptLine& line, const std::string& why);
    [[noreturn]] void Stop(const std::string& message);
    void Report(const std::string& message);
    void MarkOutput();
    std::string OutputSinceMark() const;
    TFormModel& WaitingForm();
    TControlState* FindForCheck(const std::string& name);
    std::string Describe(const TControlState& control) const;
    // Pump waits and modal forms: lines until done() holds.
    void PumpUntil(const std::function<bool()>& done, const std::string& what);

    std::deque<std::string> Queue;
    int QueuedLineNumber = 0;
    TLineSource Source;
    TFormModel* MainWindow = nullptr;
    TOutputPane* Output = nullptr;
    TRandomSource* Random = nullptr;
    size_t OutputMark = 0;
    std::vector<TFormModel*> ModalForms;
    bool FMainWindowClosed = false;
    std::string FLastBox;
    std::string FQuestion;
    std::string FFileFilter;
    std::string FFileInitialPath;
    bool FBoxOpen = false;
    TWaitKind FWaiting = TWaitKind::Window;
    TMsgDlgButtons FBoxButtons = 0;

    int64_t Clock = 0;
    double StartDateTime;
    std::map<TTimerHandle, std::shared_ptr<TTimerEntry>> Timers;
    TTimerHandle NextTimer = 1;
    TSettings FSettings;
};
