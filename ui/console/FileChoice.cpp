#include "ui/console/FileChoice.h"

#include <algorithm>
#include <filesystem>

#include "data/Convert.h"
#include "data/Utf8Text.h"

namespace {

// * for any run of characters, ? for one.
bool GlobMatches(const std::string& pattern, const std::string& name)
{
    size_t p = 0;
    size_t n = 0;
    size_t star = std::string::npos;
    size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

bool FilterTakes(const std::string& filter, const std::string& name)
{
    const std::vector<std::string> parts = Split(filter, '|');
    // Label and patterns alternate; a filter without a bar is its patterns.
    for (size_t index = parts.size() == 1 ? 0 : 1; index < parts.size(); index += 2)
        for (const std::string& pattern : Split(parts[index], ';'))
            if (!Trim(pattern).empty() && GlobMatches(Trim(pattern), name))
                return true;
    return false;
}

TFileChoice ListFileChoice(const std::string& filter, const std::string& initialPath)
{
    namespace fs = std::filesystem;
    TFileChoice choice;
    choice.Label = filter.substr(0, filter.find('|'));
    std::error_code error;
    const fs::path initial(initialPath.empty() ? "." : initialPath);
    const bool folder = initialPath.empty() || initialPath.back() == '/' || fs::is_directory(initial, error);
    choice.Folder = (folder ? initial : initial.parent_path()).lexically_normal().string();
    while (choice.Folder.size() > 1 && choice.Folder.back() == '/')
        choice.Folder.pop_back();
    for (fs::directory_iterator entry(choice.Folder, error), end; !error && entry != end; entry.increment(error))
        if (entry->is_regular_file(error) && FilterTakes(filter, entry->path().filename().string()))
            choice.Names.push_back(entry->path().filename().string());
    std::sort(choice.Names.begin(), choice.Names.end());
    return choice;
}

void DrawFileChoice(std::ostream& out, const TFileChoice& choice)
{
    out << "[" << AsUtf8(choice.Label) << "] in " << AsUtf8(choice.Folder) << ":\n";
    for (size_t index = 0; index < choice.Names.size(); ++index)
        out << "  " << index + 1 << ". " << AsUtf8(choice.Names[index]) << '\n';
    if (choice.Names.empty())
        out << "     (no such file here)\n";
}

std::optional<std::string> ChosenPath(const TFileChoice& choice, const std::string& typed, std::string& why)
{
    namespace fs = std::filesystem;
    const std::string text = Trim(typed);
    if (IsSmallNumber(text)) {
        const size_t number = static_cast<size_t>(StrToIntDef(text, 0));
        if (number >= 1 && number <= choice.Names.size())
            return (fs::path(choice.Folder) / choice.Names[number - 1]).string();
        why = "There is no file " + text + ": " +
              (choice.Names.empty() ? std::string("type the path of a file, or cancel.")
                                    : "choose a number from 1 to " + std::to_string(choice.Names.size()) +
                                          ", type the path of a file, or cancel.");
        return std::nullopt;
    }
    // A name as the list shows it is a file of the dialog's folder.
    std::error_code error;
    const fs::path inFolder = fs::path(choice.Folder) / text;
    if (fs::path(text).is_relative() && fs::exists(inFolder, error))
        return inFolder.string();
    return text;
}
