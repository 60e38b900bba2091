// The adventure's own skill scripts written in JavaScript, the class of script id
// 1: the text of the skill's script file, whose functions OnExecute() and
// OnModify(oldValue, newValue) answer the events 17 and 23. A script that goes
// wrong is reported in the script error box with its line, and counts as -1.
#pragma once

#include <string>

#include "script/JavaScript.h"
#include "script/ScriptObject.h"

class TJavaScriptSkill : public TScriptObject {
public:
    explicit TJavaScriptSkill(std::string source, int budget = TJavaScript::DefaultBudget);

    int32_t OnExecute() override;
    int32_t OnModify(int32_t oldValue, int32_t newValue) override;

private:
    int32_t Run(int event, const char* function, const std::vector<int32_t>& arguments);

    TJavaScript Program;
};
