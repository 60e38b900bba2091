#include "script/JavaScriptSkill.h"

#include "script/ScriptRegistry.h"

TJavaScriptSkill::TJavaScriptSkill(std::string source, int budget) : Program(*this, std::move(source), budget)
{
}

int32_t TJavaScriptSkill::OnExecute()
{
    return Run(seOnExecute, "OnExecute", {});
}

int32_t TJavaScriptSkill::OnModify(int32_t oldValue, int32_t newValue)
{
    return Run(seOnModify, "OnModify", {oldValue, newValue});
}

int32_t TJavaScriptSkill::Run(int event, const char* function, const std::vector<int32_t>& arguments)
{
    const TJavaScript::TOutcome outcome = Program.Call(function, arguments);
    if (outcome.Error.empty())
        return outcome.Result;
    ReportScriptException(event, outcome.Error);
    return -1;
}
