// Text conversions used by every reader of query rows and stored files.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Strict: leading blanks and a sign are allowed, anything else raises EConvertError
// naming the text (empty text, letters, trailing characters, out of range).
int32_t StrToInt(const std::string& text);
int64_t StrToInt64(const std::string& text);

// A typed count or choice: one to eight digits, nothing else, so it fits an int.
bool IsSmallNumber(const std::string& text);

// Lenient: the default for whatever the strict form refuses.
int32_t StrToIntDef(const std::string& text, int32_t fallback);
int64_t StrToInt64Def(const std::string& text, int64_t fallback);

// "True"/"False" in any letter case, or any integer (0 false, others true).
bool StrToBool(const std::string& text);
bool StrToBoolDef(const std::string& text, bool fallback);

// Booleans stored as text are "1" and "0".
inline std::string BoolToStr(bool value) { return value ? "1" : "0"; }

// Leading and trailing blanks and control characters removed.
std::string Trim(const std::string& text);
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
