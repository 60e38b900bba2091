// The user options, kept under registry-style key paths ("\Software\Vellumora")
// and value names, stored in an INI file: one section per key.
#pragma once

#include <map>
#include <string>

class TSettings {
public:
    // An empty path keeps the options in memory only.
    explicit TSettings(std::string fileName = {});

    bool KeyExists(const std::string& key) const;
    void CreateKey(const std::string& key);
    bool ValueExists(const std::string& key, const std::string& name) const;

    std::string ReadString(const std::string& key, const std::string& name, const std::string& fallback = {}) const;
    int ReadInteger(const std::string& key, const std::string& name, int fallback) const;
    bool ReadBool(const std::string& key, const std::string& name, bool fallback) const;
    void WriteString(const std::string& key, const std::string& name, const std::string& value);
    void WriteInteger(const std::string& key, const std::string& name, int value);
    void WriteBool(const std::string& key, const std::string& name, bool value);

    const std::string& FileName() const { return FFileName; }
    // Why the last save failed; empty after a good one.
    const std::string& SaveError() const { return FSaveError; }
    // The save failure not yet shown to the player, handed out once: a folder
    // that cannot be written is said once, not at every option written.
    std::string TakeUnshownSaveError();

private:
    void Load();
    void Save();

    std::string FFileName;
    std::string FSaveError;
    bool FSaveErrorShown = false;
    std::map<std::string, std::map<std::string, std::string>> Keys;
};

// The settings file of the user: under the folder given, else under the XDG
// config folder ($XDG_CONFIG_HOME, else ~/.config), as vellumora/settings.ini.
std::string SettingsFileName(const std::string& configFolder);
