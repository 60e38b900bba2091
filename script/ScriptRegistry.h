// The script classes by id, and the two ways of running them: once for one event,
// or loaded under a handle for many (a special use's targets, a fight's turns).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "script/ScriptObject.h"

class TEntity;

// Built-in: the character who left the party and waits to be asked back.
constexpr int64_t WaitingMemberScriptId = 100;

// The adventure's own skill scripts come as text with the id: 1 JavaScript (a
// ".js" file), 2 VBScript, which the engine does not run.
constexpr int64_t JavaScriptSkillScriptId = 1;
constexpr int64_t VBScriptSkillScriptId = 2;

// The text is the script of a skill script id; other classes ignore it.
std::unique_ptr<TScriptObject> CreateScript(int64_t id, const std::string& text = {});
bool ScriptClassExists(int64_t id);

// Sets the proxies and calls the event's operation; -1 for an event outside 1..31.
int32_t Dispatch(TScriptObject& script, int event, TEntity* sender, const TScriptParam& param, TEntity* self,
                 TEntity* target);
// Creates, dispatches and frees (also when the script raises, which passes on).
int32_t RunScriptOnce(int event, TEntity* sender, const TScriptParam& param, TEntity* self, TEntity* target,
                      int64_t scriptId, const std::string& text = {});

// -1 (and an error box for a positive id without a class) when nothing was loaded.
int LoadScript(int64_t id, const std::string& text = {});
// A script that raises is reported in an error box and counts as -1.
int32_t RunScript(int handle, int event, TEntity* sender, const TScriptParam& param, TEntity* self, TEntity* target);
void FreeScript(int handle);
// The loaded object, or null.
TScriptObject* LoadedScript(int handle);
