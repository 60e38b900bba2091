#include "rules/SkillScript.h"

#include <vector>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "session/Process.h"

std::string SkillScriptText(const std::string& fileName)
{
    const TForm1* form = Process().MainForm.get();
    if (!form || !form->DataManager)
        return {};
    std::vector<std::string> lines;
    form->DataManager->GetScriptByFile(fileName, lines);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool HasExtension(const std::string& fileName, const std::string& extension)
{
    return fileName.size() >= extension.size() &&
           fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
}
