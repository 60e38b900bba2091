// The script global variables in a bookmark: GlobalN holds the names, one a line
// ended by CR LF; Global.dat holds the values in the same order, with no header.
// A "$" name's value is an int32 byte count and that many bytes of text; any other
// name's value is a 16-byte variant record: a 2-byte type tag, 6 unused bytes and
// 8 bytes of value, all little-endian.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "script/Variant.h"

using TGlobalVariables = std::vector<std::pair<std::string, TVariant>>;

struct TGlobalsFiles {
    std::string Names;
    std::string Values;
};

// The form of each value follows its name, so what is written can always be read
// back: a "$" name keeps its value as text, any other name as a number (whole
// numbers, tag 3; beyond 32 bits tag 20; booleans tag 11).
TGlobalsFiles WriteGlobals(const TGlobalVariables& globals);

struct TReadGlobals {
    TGlobalVariables Globals;
    // Why the files cannot be read; empty when they were read whole.
    std::string Error;
};

// Reads the names and, one per name, the values; values left over, missing or of
// an unknown type are an error. Without a values file the names are dropped.
TReadGlobals ReadGlobals(std::string_view names, std::string_view values, bool haveValues);
