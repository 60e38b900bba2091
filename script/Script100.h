// The built-in script of a character who left the party and waits to be asked back.
#pragma once

#include "script/ScriptObject.h"

class TScript_100 : public TScriptObject {
public:
    int32_t OnDialog() override;
};
