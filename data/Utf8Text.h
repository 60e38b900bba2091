// Stored strings are bytes: UTF-8 when they decode as such, Latin-1 otherwise.
// These read them character by character.
#pragma once

#include <cstddef>
#include <string>

// Whether text is well-formed UTF-8 (plain ASCII is).
bool IsUtf8(const std::string& text);
// The text as UTF-8: unchanged when it already is, read as Latin-1 otherwise.
std::string AsUtf8(const std::string& text);
// Characters, not bytes: a UTF-8 sequence counts once, as in a Latin-1 text each byte does.
size_t CharacterCount(const std::string& text);
// The first count characters, never cutting a UTF-8 sequence apart.
std::string FirstCharacters(const std::string& text, size_t count);
// At most count bytes from the start, never cutting a UTF-8 sequence apart.
std::string FirstBytes(const std::string& text, size_t count);
