#include "platform/Settings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "data/Convert.h"

namespace fs = std::filesystem;

namespace {

// A value the line format would change (blanks at either end, line breaks, a
// leading quote) is written in quotes with its backslashes, quotes and line
// breaks escaped; every other value as it is.
bool NeedsQuotes(const std::string& value)
{
    if (value.empty())
        return false;
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    return blank(value.front()) || blank(value.back()) || value.front() == '"' ||
           value.find_first_of("\r\n") != std::string::npos;
}

std::string Stored(const std::string& value)
{
    if (!NeedsQuotes(value))
        return value;
    std::string stored = "\"";
    for (char c : value) {
        if (c == '\\' || c == '"')
            stored += {'\\', c};
        else if (c == '\n')
            stored += "\\n";
        else if (c == '\r')
            stored += "\\r";
        else
            stored += c;
    }
    return stored + '"';
}

std::string Read(const std::string& stored)
{
    if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"')
        return stored;
    std::string value;
    for (size_t index = 1; index + 1 < stored.size(); ++index) {
        char c = stored[index];
        if (c == '\\' && index + 2 < stored.size()) {
            c = stored[++index];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        }
        value += c;
    }
    return value;
}

} // namespace

TSettings::TSettings(std::string fileName) : FFileName(std::move(fileName))
{
    Load();
}

void TSettings::Load()
{
    if (FFileName.empty())
        return;
    std::ifstream file(FFileName);
    std::string line;
    std::string section;
    bool inSection = false;
    // Unreadable lines are skipped: a damaged file loses only what it lost.
    while (std::getline(file, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            Keys[section];
            inSection = true;
            continue;
        }
        const size_t equals = line.find('=');
        if (inSection && equals != std::string::npos && equals > 0)
            Keys[section][Trim(line.substr(0, equals))] = Read(Trim(line.substr(equals + 1)));
    }
}

void TSettings::Save()
{
    if (FFileName.empty())
        return;
    FSaveError.clear();
    std::error_code error;
    const fs::path path(FFileName);
    if (path.has_parent_path())
        fs::create_directories(path.parent_path(), error);
    // Written aside and renamed, so a failed write never leaves half a file.
    const std::string temporary = FFileName + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        for (const auto& [key, values] : Keys) {
            file << '[' << key << "]\n";
            for (const auto& [name, value] : values)
                file << name << '=' << Stored(value) << '\n';
            file << '\n';
        }
        if (!file.flush()) {
            FSaveError = "Cannot write the settings file " + temporary;
            return;
        }
    }
    fs::rename(temporary, path, error);
    if (error)
        FSaveError = "Cannot replace the settings file " + FFileName + ": " + error.message();
}

std::string TSettings::TakeUnshownSaveError()
{
    if (FSaveError.empty() || FSaveErrorShown)
        return {};
    FSaveErrorShown = true;
    return FSaveError;
}

bool TSettings::KeyExists(const std::string& key) const
{
    return Keys.count(key) > 0;
}

void TSettings::CreateKey(const std::string& key)
{
    if (KeyExists(key))
        return;
    Keys[key];
    Save();
}

bool TSettings::ValueExists(const std::string& key, const std::string& name) const
{
    const auto found = Keys.find(key);
    return found != Keys.end() && found->second.count(name) > 0;
}

std::string TSettings::ReadString(const std::string& key, const std::string& name, const std::string& fallback) const
{
    const auto found = Keys.find(key);
    if (found == Keys.end())
        return fallback;
    const auto value = found->second.find(name);
    return value == found->second.end() ? fallback : value->second;
}

int TSettings::ReadInteger(const std::string& key, const std::string& name, int fallback) const
{
    return StrToIntDef(ReadString(key, name), fallback);
}

bool TSettings::ReadBool(const std::string& key, const std::string& name, bool fallback) const
{
    return StrToBoolDef(ReadString(key, name), fallback);
}

void TSettings::WriteString(const std::string& key, const std::string& name, const std::string& value)
{
    Keys[key][name] = value;
    Save();
}

void TSettings::WriteInteger(const std::string& key, const std::string& name, int value)
{
    WriteString(key, name, std::to_string(value));
}

void TSettings::WriteBool(const std::string& key, const std::string& name, bool value)
{
    WriteString(key, name, BoolToStr(value));
}

std::string SettingsFileName(const std::string& configFolder)
{
    if (!configFolder.empty())
        return (fs::path(configFolder) / "settings.ini").string();
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        base = ".";
    return (base / "vellumora" / "settings.ini").string();
}
