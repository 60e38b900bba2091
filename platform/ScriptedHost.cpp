#include "platform/ScriptedHost.h"

#include <cstdio>

#include <re2/re2.h>

#include "data/Convert.h"
#include "platform/DateTime.h"
#include "platform/FixedCanvas.h"
#include "platform/OutputPane.h"
#include "platform/Random.h"

namespace {

// 1 January 2026, 09:00: a fixed start, so that replayed runs agree.
constexpr double VirtualStart = 46023.375;

std::string FirstWord(const std::string& text, std::string& rest)
{
    const size_t blank = text.find(' ');
    if (blank == std::string::npos) {
        rest.clear();
        return text;
    }
    rest = Trim(text.substr(blank + 1));
    return text.substr(0, blank);
}

std::string ColorText(TColor color)
{
    if (color == clDefault)
        return "default";
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", color & 0xFFFFFFu);
    return text;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (size_t index = 0; index < items.size(); ++index)
        text += (index ? "|" : "") + items[index];
    return text;
}

const char* BoolText(bool value)
{
    return value ? "true" : "false";
}

std::optional<std::string> PropertyOf(const TControlState& control, const std::string& property)
{
    const std::string name = LowerCase(property);
    if (name == "caption")
        return control.Caption;
    if (name == "enabled")
        return BoolText(control.Enabled);
    if (name == "visible")
        return BoolText(control.Visible);
    if (name == "checked")
        return BoolText(control.Checked);
    if (name == "hint")
        return control.Hint;
    if (name == "tag")
        return std::to_string(control.Tag);
    if (name == "color")
        return ColorText(control.Color);
    if (name == "fontcolor")
        return ColorText(control.FontColor);
    if (name == "items")
        return Joined(control.Items);
    if (name == "itemindex")
        return std::to_string(control.ItemIndex);
    if (name == "position")
        return std::to_string(control.Position);
    if (name == "max")
        return std::to_string(control.Max);
    if (name == "text")
        return control.Text;
    return std::nullopt;
}

struct TAnswerWord {
    const char* Word;
    TMsgDlgBtn Button;
    int Result;
};

const TAnswerWord AnswerWords[] = {
    {"yes", mbYes, mrYes},       {"no", mbNo, mrNo},          {"ok", mbOK, mrOk},         {"cancel", mbCancel, mrCancel},
    {"abort", mbAbort, mrAbort}, {"retry", mbRetry, mrRetry}, {"ignore", mbIgnore, mrIgnore},
};

} // namespace

TScriptedHost::TScriptedHost(std::string settingsFile) : StartDateTime(VirtualStart), FSettings(std::move(settingsFile)) {}

TScriptedHost::~TScriptedHost() = default;

void TScriptedHost::AddLines(const std::string& text)
{
    size_t start = 0;
    do {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        Queue.push_back(text.substr(start, end - start));
        start = end + 1;
    } while (start < text.size());
}

void TScriptedHost::Attach(TFormModel* mainWindow, TOutputPane* output, TRandomSource* random)
{
    MainWindow = mainWindow;
    Output = output;
    Random = random;
    MarkOutput();
}

void TScriptedHost::Report(const std::string& message)
{
    if (Print)
        Print(message);
    else
        std::printf("%s\n", message.c_str());
}

void TScriptedHost::Fail(const TScriptLine& line, const std::string& why)
{
    if (StopOnError)
        Stop(line.Where() + ": " + why);
    // The player has just typed the line: the reason alone is the answer.
    Report(why);
}

void TScriptedHost::Stop(const std::string& message)
{
    // Said here: whoever catches the stop may not know how to show it. A player
    // at the prompt who ends the input needs no report.
    if (StopOnError)
        std::fprintf(stderr, "%s\n", message.c_str());
    throw EScriptStop(message);
}

std::optional<TScriptLine> TScriptedHost::NextLine(const std::string& waiting)
{
    for (;;) {
        std::string text;
        if (!Queue.empty()) {
            text = Queue.front();
            Queue.pop_front();
        } else if (Source) {
            auto typed = Source(waiting);
            if (!typed)
                return std::nullopt;
            text = *typed;
        } else {
            return std::nullopt;
        }
        ++QueuedLineNumber;
        try {
            if (auto line = ParseScriptLine(text, QueuedLineNumber))
                return line;
        } catch (const EScriptStop& error) {
            if (StopOnError)
                Stop(error.Message());
            Report(error.Message());
        }
    }
}

std::optional<TScriptLine> TScriptedHost::NextInput(const std::string& waiting)
{
    for (;;) {
        auto line = NextLine(waiting);
        if (!line || line->IsInput()) {
            if (line)
                MarkOutput();
            return line;
        }
        RunCheck(*line);
    }
}

void TScriptedHost::MarkOutput()
{
    OutputMark = Output ? Output->WrittenCount() : 0;
}

std::string TScriptedHost::OutputSinceMark() const
{
    return Output ? Output->WrittenText(OutputMark) : std::string();
}

TFormModel& TScriptedHost::WaitingForm()
{
    if (!ModalForms.empty())
        return *ModalForms.back();
    if (!MainWindow)
        Stop("no window is attached to the scripted host");
    return *MainWindow;
}

TControlState* TScriptedHost::FindForCheck(const std::string& name)
{
    if (!ModalForms.empty())
        if (TControlState* control = ModalForms.back()->Find(name))
            return control;
    return MainWindow ? MainWindow->Find(name) : nullptr;
}

std::string TScriptedHost::Describe(const TControlState& control) const
{
    std::string text = control.Name + ": caption \"" + control.Caption + "\"";
    text += std::string(", enabled ") + BoolText(control.Enabled) + ", visible " + BoolText(control.Visible);
    if (control.Checked)
        text += ", checked";
    if (!control.Items.empty())
        text += ", items " + Joined(control.Items) + ", itemindex " + std::to_string(control.ItemIndex);
    if (control.Max != 100 || control.Position != 0)
        text += ", position " + std::to_string(control.Position) + "/" + std::to_string(control.Max);
    if (!control.Hint.empty())
        text += ", hint \"" + control.Hint + "\"";
    if (!control.Text.empty())
        text += ", text \"" + control.Text + "\"";
    return text;
}

void TScriptedHost::RunCheck(const TScriptLine& line)
{
    const std::string& argument = line.Argument;
    switch (line.Command) {
    case TScriptCommand::Seed:
        if (!Random)
            return Fail(line, "there is no random source");
        Random->Seed(static_cast<uint64_t>(StrToInt64Def(argument, 0)));
        return;
    case TScriptCommand::Random: {
        if (!Random)
            return Fail(line, "there is no random source");
        std::vector<int> values;
        std::string rest = argument;
        while (!rest.empty()) {
            std::string remainder;
            const std::string word = FirstWord(rest, remainder);
            const auto value = StrToIntDef(word, -1);
            if (value < 0)
                return Fail(line, "\"" + word + "\" is not a value the random source can return");
            values.push_back(value);
            rest = remainder;
        }
        Random->Force(values);
        return;
    }
    case TScriptCommand::Expect: {
        const std::string output = OutputSinceMark();
        if (argument.size() > 1 && argument.front() == '!') {
            if (output.find(argument.substr(1)) != std::string::npos)
                Fail(line, "the output holds what it must not:\n" + output);
        } else if (argument.size() > 2 && argument.front() == '/' && argument.back() == '/') {
            // RE2 matches in time linear in the output and never recurses, so no
            // pattern can hang a run or overflow its stack.
            RE2::Options options;
            options.set_log_errors(false);
            const RE2 pattern(argument.substr(1, argument.size() - 2), options);
            if (!pattern.ok())
                Fail(line, "bad pattern: " + pattern.error());
            else if (!RE2::PartialMatch(output, pattern))
                Fail(line, "no match in the output:\n" + output);
        } else if (output.find(argument) == std::string::npos) {
            Fail(line, "not in the output:\n" + output);
        }
        return;
    }
    case TScriptCommand::ExpectBox:
        if (FLastBox.find(argument) == std::string::npos)
            Fail(line, "the message box says \"" + FLastBox + "\"");
        return;
    case TScriptCommand::ExpectControl: {
        std::string rest;
        const std::string name = FirstWord(argument, rest);
        std::string expected;
        const std::string property = FirstWord(rest, expected);
        TControlState* control = FindForCheck(name);
        if (!control)
            return Fail(line, "no control " + name);
        const auto actual = PropertyOf(*control, property);
        if (!actual)
            return Fail(line, "unknown property " + property);
        const bool isColor = LowerCase(property).find("color") != std::string::npos;
        if (isColor ? UpperCase(*actual) != UpperCase(expected) : *actual != expected)
            Fail(line, name + " " + property + " is \"" + *actual + "\"");
        return;
    }
    case TScriptCommand::Show: {
        if (!argument.empty()) {
            if (TControlState* control = FindForCheck(argument))
                Report(Describe(*control));
            else
                Fail(line, "no control " + argument);
            return;
        }
        TFormModel& form = WaitingForm();
        Report("Form " + form.Name() + " \"" + form.Caption + "\"");
        for (const auto& control : form.Controls())
            if (control->Visible && (!control->Caption.empty() || !control->Items.empty() || !control->Text.empty()))
                Report("  " + Describe(*control));
        return;
    }
    case TScriptCommand::Screenshot:
        if (Screenshot)
            Screenshot(argument);
        else
            Report(line.Where() + ": skipped, this host draws no pictures");
        return;
    default:
        return;
    }
}

void TScriptedHost::DeliverToForm(const TScriptLine& line, TFormModel& form)
{
    const std::string& argument = line.Argument;
    auto needControl = [&](const std::string& name) -> TControlState* {
        TControlState* control = form.Find(name);
        if (!control)
            Fail(line, "there is no control " + name + " on " + form.Name());
        return control;
    };
    switch (line.Command) {
    case TScriptCommand::Click:
    case TScriptCommand::Menu:
        if (needControl(argument) && !form.Click(argument))
            Fail(line, argument + " cannot be clicked now (hidden or disabled)");
        return;
    case TScriptCommand::DblClick:
        if (needControl(argument) && !form.DblClick(argument))
            Fail(line, argument + " cannot be clicked now (hidden or disabled)");
        return;
    case TScriptCommand::Choose: {
        const int number = StrToIntDef(argument, 0);
        const std::string name = "LblChoice" + std::to_string(number);
        const TControlState* label = form.Find(name);
        if (number < 1 || !label || label->Caption.empty())
            return Fail(line, "there is no choice " + argument + " to pick");
        // The pointer as a player moves it: onto the label, press, release, click.
        form.MouseEnter(name);
        form.MouseDown(name);
        form.MouseUp(name);
        if (!form.Click(name))
            Fail(line, "choice " + argument + " cannot be clicked now (hidden or disabled)");
        return;
    }
    case TScriptCommand::Key:
        if (const auto key = ParseKeyName(argument))
            form.KeyUp(*key);
        else
            Fail(line, "unknown key " + argument);
        return;
    case TScriptCommand::Type: {
        std::string text;
        const std::string name = FirstWord(argument, text);
        if (needControl(name) && !form.SetText(name, text))
            Fail(line, name + " cannot take text now (hidden or disabled)");
        return;
    }
    case TScriptCommand::Select: {
        std::string entry;
        const std::string name = FirstWord(argument, entry);
        TControlState* control = needControl(name);
        if (!control)
            return;
        int index = -1;
        for (size_t item = 0; item < control->Items.size(); ++item)
            if (control->Items[item] == entry) {
                index = static_cast<int>(item);
                break;
            }
        if (index < 0)
            index = StrToIntDef(entry, -1);
        if (index < 0 || index >= static_cast<int>(control->Items.size()))
            return Fail(line, name + " has no entry " + entry);
        if (!form.Select(name, index))
            Fail(line, name + " cannot be changed now (hidden or disabled)");
        return;
    }
    case TScriptCommand::Drag: {
        std::string target;
        const std::string source = FirstWord(argument, target);
        if (needControl(source) && needControl(target) && form.DragOver(source, target))
            form.DragDrop(source, target);
        return;
    }
    case TScriptCommand::Popup:
        if (needControl(argument) && form.ContextPopup(argument).empty())
            Fail(line, argument + " has no menu to open now");
        return;
    case TScriptCommand::Close:
        if (&form == MainWindow) {
            if (form.CloseQuery())
                FMainWindowClosed = true;
        } else {
            form.CloseQuery();
        }
        return;
    default:
        return;
    }
}

void TScriptedHost::Deliver(const TScriptLine& line)
{
    try {
        switch (line.Command) {
        case TScriptCommand::Answer:
            Fail(line, "no message box, input box or file dialog is open");
            break;
        case TScriptCommand::Wait:
            if (const auto duration = ParseDuration(line.Argument))
                Advance(*duration);
            else
                Fail(line, "not a duration (write 500ms or 3s)");
            break;
        case TScriptCommand::Tab: {
            if (!MainWindow || !MainWindow->Find("PageControl1"))
                return Fail(line, "there is no page control");
            if (!MainWindow->Select("PageControl1", StrToIntDef(line.Argument, -1)))
                Fail(line, "there is no page " + line.Argument);
            break;
        }
        default:
            DeliverToForm(line, WaitingForm());
            break;
        }
    } catch (const std::exception& error) {
        // The default error display: the handler is abandoned, the program goes on.
        MessageDlg(error.what(), TMsgDlgType::Error, mbOK);
    }
    if (AfterLine)
        AfterLine();
}

void TScriptedHost::PumpUntil(const std::function<bool()>& done, const std::string& what)
{
    while (!done()) {
        FWaiting = ModalForms.empty() ? TWaitKind::Window : TWaitKind::Form;
        const auto line = NextInput(what);
        if (!line)
            Stop("the script ran out while the engine waits for " + what);
        Deliver(*line);
    }
}

void TScriptedHost::RunMainLoop(const std::function<bool()>& done)
{
    while (!done() && !FMainWindowClosed) {
        FWaiting = TWaitKind::Window;
        const auto line = NextInput("the main window");
        if (!line)
            return;
        Deliver(*line);
    }
}

void TScriptedHost::WaitUntil(const std::function<bool()>& done, const std::string& what)
{
    PumpUntil(done, what);
}

void TScriptedHost::ProcessMessages()
{
    Advance(0);
}

int TScriptedHost::ShowModal(TFormModel& form)
{
    ModalForms.push_back(&form);
    form.ModalResult = mrNone;
    struct TPop {
        std::vector<TFormModel*>& Forms;
        ~TPop() { Forms.pop_back(); }
    } pop{ModalForms};
    PumpUntil([&form] { return form.ModalResult != mrNone; }, "the form " + form.Name());
    return form.ModalResult;
}

int TScriptedHost::MessageDlg(const std::string& text, TMsgDlgType, TMsgDlgButtons buttons)
{
    if (buttons == 0)
        buttons = mbOK;
    FLastBox = text;
    FBoxOpen = true;
    struct TClose {
        bool& Open;
        ~TClose() { Open = false; }
    } close{FBoxOpen};
    const std::string what = "the message box \"" + text + "\"";
    for (;;) {
        FWaiting = TWaitKind::MessageBox;
        FBoxButtons = buttons;
        const auto line = NextInput(what);
        if (!line)
            Stop("the script ran out while the engine waits for " + what);
        if (line->Command != TScriptCommand::Answer) {
            Fail(*line, "a message box is open: \"" + text + "\"");
            continue;
        }
        const std::string word = LowerCase(line->Argument);
        for (const TAnswerWord& answer : AnswerWords)
            if (word == answer.Word) {
                if (buttons & answer.Button) {
                    if (AfterLine)
                        AfterLine();
                    return answer.Result;
                }
                break;
            }
        Fail(*line, "the message box has no " + line->Argument + " button");
    }
}

std::optional<std::string> TScriptedHost::TakeTextAnswer(const std::string& what, bool emptyAllowed)
{
    for (;;) {
        FWaiting = emptyAllowed ? TWaitKind::InputBox : TWaitKind::FileDialog;
        const auto line = NextInput(what);
        if (!line)
            Stop("the script ran out while the engine waits for " + what);
        std::string text;
        const std::string word = line->Command == TScriptCommand::Answer ? FirstWord(line->Argument, text) : "";
        if (word == "ok" && (emptyAllowed || !text.empty()))
            return text;
        if (word == "cancel")
            return std::nullopt;
        Fail(*line, what + " is open: answer ok " + (emptyAllowed ? "TEXT" : "PATH") + " or answer cancel");
    }
}

bool TScriptedHost::InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    FQuestion = prompt;
    const auto answer = TakeTextAnswer("the input box \"" + caption + "\" (" + prompt + ")", true);
    if (answer)
        value = *answer;
    return answer.has_value();
}

bool TScriptedHost::OpenFileDialog(const std::string& title, const std::string& filter, std::string& path)
{
    FQuestion = title;
    FFileFilter = filter;
    FFileInitialPath = path;
    const auto answer = TakeTextAnswer("the file dialog \"" + title + "\"", false);
    if (answer)
        path = *answer;
    return answer.has_value();
}

TTimerHandle TScriptedHost::CreateTimer(int intervalMs, std::function<void()> onTimer)
{
    auto entry = std::make_shared<TTimerEntry>();
    entry->Interval = intervalMs > 0 ? intervalMs : 1;
    entry->Callback = std::move(onTimer);
    const TTimerHandle handle = NextTimer++;
    Timers[handle] = entry;
    return handle;
}

void TScriptedHost::SetTimerEnabled(TTimerHandle timer, bool enabled)
{
    const auto found = Timers.find(timer);
    if (found == Timers.end())
        return;
    TTimerEntry& entry = *found->second;
    if (enabled && !entry.Enabled)
        entry.Due = Clock + entry.Interval;
    entry.Enabled = enabled;
}

void TScriptedHost::DestroyTimer(TTimerHandle timer)
{
    Timers.erase(timer);
}

void TScriptedHost::Advance(int64_t ms)
{
    int64_t target = Clock + (ms > 0 ? ms : 0);
    for (;;) {
        // The earliest due timer; the lower handle first among equals.
        std::shared_ptr<TTimerEntry> next;
        for (const auto& [handle, entry] : Timers)
            if (entry->Enabled && !entry->Running && entry->Due <= target && (!next || entry->Due < next->Due))
                next = entry;
        if (!next)
            break;
        Clock = std::max(Clock, next->Due);
        next->Due += next->Interval;
        // Held by next, so a callback that destroys its own timer is safe; it
        // never runs inside itself.
        next->Running = true;
        const std::function<void()> callback = next->Callback;
        try {
            callback();
        } catch (const std::exception& error) {
            next->Running = false;
            MessageDlg(error.what(), TMsgDlgType::Error, mbOK);
        } catch (...) {
            next->Running = false;
            throw;
        }
        next->Running = false;
        // A nested wait inside the callback may have moved the clock on.
        target = std::max(target, Clock);
    }
    Clock = std::max(Clock, target);
}

double TScriptedHost::Now()
{
    return StartDateTime + static_cast<double>(Clock) / MillisecondsPerDay;
}

std::unique_ptr<ICanvas> TScriptedHost::CreateCanvas(int, int)
{
    return std::make_unique<TFixedCanvas>();
}

bool TScriptedHost::ShellOpen(const std::string& target, const std::string&)
{
    LastShellOpen = target;
    Report("open " + target);
    return true;
}
