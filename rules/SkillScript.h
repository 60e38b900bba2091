// The script file of an adventure's own skill, read from the adventure by its
// file name.
#pragma once

#include <string>

// The script's text as the adventure stores it (deciphered when it is stored
// enciphered), its lines joined by line breaks; empty for a file it lacks.
std::string SkillScriptText(const std::string& fileName);
// Whether the file name ends in the extension (".js"), letter case counting.
bool HasExtension(const std::string& fileName, const std::string& extension);
