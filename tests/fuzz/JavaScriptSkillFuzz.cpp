// Adventure skill scripts in JavaScript: whatever the script's text, running it as
// a skill (its OnExecute, then its OnModify) never crashes and always comes back
// within a small budget, and a script that goes wrong is reported in the script
// error box with the line where it went wrong. No game is open, so the commands a
// script calls reach nothing.
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "platform/ScriptedHost.h"
#include "rules/Creature.h"
#include "script/JavaScriptSkill.h"
#include "script/ScriptRegistry.h"
#include "session/Process.h"

namespace {

// Two steps: about half a million instructions for each event.
constexpr int Budget = 2;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Answers every box, each of which must be a script error that names its line.
    static TScriptedHost host;
    host.Print = [](const std::string&) {};
    host.SetLineSource([](const std::string&) -> std::optional<std::string> {
        const std::string& box = host.LastBoxText();
        FUZZ_CHECK(host.BoxOpen(), "the script waits for something other than a box");
        FUZZ_CHECK(box.rfind("Script Exception Raised : MsgID = ", 0) == 0, "a box that is no script error");
        FUZZ_CHECK(box.find("line ") != std::string::npos, "a script error without its line");
        return "answer ok";
    });
    Process().Host = &host;

    TPlayer sender;
    sender.Name = "Aldric";
    sender.Skills.push_back({"Ember Sense", 7, "ember_sense.js"});
    TJavaScriptSkill skill(std::string(reinterpret_cast<const char*>(data), size), Budget);
    TScriptParam values;
    values.Value = 3;
    values.Second = 5;
    Dispatch(skill, seOnExecute, &sender, TScriptParam(), nullptr, nullptr);
    Dispatch(skill, seOnModify, &sender, values, nullptr, nullptr);
    return 0;
}
