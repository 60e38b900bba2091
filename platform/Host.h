// What the engine asks of the program that puts it in front of a person: boxes,
// modal forms, the event pump, timers, drawing surfaces, settings, the shell and
// the screen. Everything runs on one thread; timer callbacks run only from inside
// the pump, so any wait may return to a changed world.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/FormModel.h"

class ICanvas;
class TSettings;

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };

enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

using TTimerHandle = int;

class IHost {
public:
    virtual ~IHost() = default;

    // A modal box; returns the modal result of the button pressed (mrYes, mrOk, ...).
    virtual int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) = 0;
    // The input box: false when cancelled; value holds the default going in.
    virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) = 0;
    // The open-file dialog: false when cancelled. The filter is "Label|*.ext".
    virtual bool OpenFileDialog(const std::string& title, const std::string& filter, std::string& path) = 0;
    // Shows the form and runs the pump until its ModalResult is set; returns it.
    virtual int ShowModal(TFormModel& form) = 0;

    // Runs what is pending (input, due timers, repaints) once.
    virtual void ProcessMessages() = 0;
    // Runs the pump until done() holds; what names the wait in error messages.
    virtual void WaitUntil(const std::function<bool()>& done, const std::string& what) = 0;

    // A timer starts disabled. The callback may destroy its own timer.
    virtual TTimerHandle CreateTimer(int intervalMs, std::function<void()> onTimer) = 0;
    virtual void SetTimerEnabled(TTimerHandle timer, bool enabled) = 0;
    virtual void DestroyTimer(TTimerHandle timer) = 0;
    // The current date-time number (virtual under a script).
    virtual double Now() = 0;

    // An off-screen drawing surface; measuring works on it in any font.
    virtual std::unique_ptr<ICanvas> CreateCanvas(int width, int height) = 0;
    virtual TSettings& Settings() = 0;
    // Opens a document or address with the desktop's default program.
    virtual bool ShellOpen(const std::string& target, const std::string& folder) = 0;
    virtual int ScreenWidth() = 0;
};
