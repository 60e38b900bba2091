// Command scripts and the lines a player types at the console prompt: any text
// parses into numbered lines or stops naming its line, and a host that reports
// faulty lines and reads on (the prompt) takes every line without ending the program.
#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "data/Convert.h"
#include "platform/CommandScript.h"
#include "platform/FormModel.h"
#include "platform/OutputPane.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"

namespace {

void CheckParsedLines(const std::string& text)
{
    const int lineCount = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    try {
        int previous = 0;
        for (const TScriptLine& line : ParseCommandScript(text)) {
            FUZZ_CHECK(line.Number > previous && line.Number <= lineCount, "a line number out of order");
            previous = line.Number;
            FUZZ_CHECK(!line.Word.empty() && line.Word.find_first_of(" \t") == std::string::npos,
                       "a command word is empty or holds a blank");
            FUZZ_CHECK(Trim(line.Argument) == line.Argument, "an argument is not trimmed");
            FUZZ_CHECK(line.Where().rfind("line " + std::to_string(line.Number) + ": ", 0) == 0,
                       "a line does not name itself");
            if (line.Command == TScriptCommand::Wait)
                if (const auto duration = ParseDuration(line.Argument))
                    FUZZ_CHECK(*duration >= 0 && *duration <= 86400000, "a wait outside a day");
        }
    } catch (const EScriptStop& stop) {
        FUZZ_CHECK(stop.Message().rfind("line ", 0) == 0, "a script error does not name its line");
    }
}

// A window with one control of each kind that input lines reach; the output the
// expect lines read is the script text itself.
void RunAtPrompt(const std::string& text)
{
    TFormModel window("Form1", "Vellumora");
    window.Add("BtnOk", TControlKind::Button).Caption = "OK";
    window.Add("EditName", TControlKind::Edit);
    window.Add("ListClasses", TControlKind::ListBox).Items = {"Fighter", "Mage"};
    window.Add("ChkTurns", TControlKind::CheckBox);
    TOutputPane output;
    output.NewParagraph();
    output.Insert(text);
    TRandomSource random;

    TScriptedHost host;
    host.StopOnError = false;
    host.Print = [](const std::string&) {};
    host.Attach(&window, &output, &random);
    host.AddLines(text);
    try {
        host.RunMainLoop([] { return false; });
    } catch (const EScriptStop&) {
        // The run was stopped with its message: the prompt's end.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckParsedLines(text);
    RunAtPrompt(text);
    return 0;
}
