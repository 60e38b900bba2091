#include "script/ScriptRegistry.h"

#include <exception>

#include "platform/Host.h"
#include "script/ScriptClasses.h"
#include "session/Process.h"

std::unique_ptr<TScriptObject> CreateScript(int64_t id, [[maybe_unused]] const std::string& text)
{
    if (id <= 0)
        return nullptr;
    const auto& classes = ScriptClasses();
    const auto found = classes.find(id);
    return found == classes.end() ? nullptr : found->second();
}

bool ScriptClassExists(int64_t id)
{
    return id > 0 && ScriptClasses().count(id) > 0;
}

int32_t Dispatch(TScriptObject& script, int event, TEntity* sender, const TScriptParam& param, TEntity* self,
                 TEntity* target)
{
    if (event < 1 || event > 31)
        return -1;
    script.SenderProxy.Object = sender;
    script.TargetProxy.Object = target;
    script.SelfProxy.Object = self;
    switch (event) {
    case seOnEnter: return script.OnEnter();
    case seOnExit: return script.OnExit(param.Value);
    case seOnExamine: return script.OnExamine();
    case seOnDialog: return script.OnDialog();
    case seOnOpen: return script.OnOpen();
    case seOnPickUp: return script.OnPickUp();
    case seOnUnlock: return script.OnUnlock();
    case seOnUse: return script.OnUse();
    case seOnPickLock: return script.OnPickLock();
    case seOnFindTraps: return script.OnFindTraps();
    case seOnRemoveTrap: return script.OnRemoveTrap();
    case seOnIdentify: return script.OnIdentify();
    case seOnDead: return script.OnDead();
    case seOnRest: return script.OnRest();
    case seOnShopService: return script.OnShopService(param.Value, param.Second);
    case seOnCombatMove: {
        const auto handler = script.CombatTurnHandler;
        return handler ? handler(self, sender) : -1;
    }
    case seOnExecute: return script.OnExecute();
    case seOnEquip: return script.OnEquip();
    case seOnUnequip: return script.OnUnequip();
    case seOnCopySpell: return script.OnCopySpell();
    case seOnCommand: return -1;
    case seOnFirstEnter: return script.OnFirstEnter();
    case seOnModify: return script.OnModify(static_cast<int32_t>(param.Value), param.Second);
    case seOnMessage: return script.OnMessage(static_cast<int32_t>(param.Value));
    case seOnLook: return script.OnLook();
    case seOnInfo: return script.OnInfo();
    case seOnUseWith: return script.OnUseWith();
    case seOnCustomAction: return script.OnCustomAction(param.Text);
    case seOnInsertInto: return script.OnInsertInto();
    case seOnTakeOut: return script.OnTakeOut();
    default: return script.OnCommandLine(param.Text);
    }
}

int32_t RunScriptOnce(int event, TEntity* sender, const TScriptParam& param, TEntity* self, TEntity* target,
                      int64_t scriptId, const std::string& text)
{
    // Held while it runs, and freed however the run ends.
    const std::unique_ptr<TScriptObject> script = CreateScript(scriptId, text);
    return script ? Dispatch(*script, event, sender, param, self, target) : -1;
}

int LoadScript(int64_t id, const std::string& text)
{
    if (id <= 0)
        return -1;
    auto& handles = Process().ScriptHandles;
    std::unique_ptr<TScriptObject> script = CreateScript(id, text);
    if (!script) {
        Host().MessageDlg("Script ID : " + std::to_string(id) + " could not be loaded", TMsgDlgType::Error, mbOK);
        return -1;
    }
    for (size_t place = 0; place < handles.size(); ++place)
        if (!handles[place]) {
            handles[place] = std::move(script);
            return static_cast<int>(place);
        }
    handles.push_back(std::move(script));
    return static_cast<int>(handles.size()) - 1;
}

TScriptObject* LoadedScript(int handle)
{
    auto& handles = Process().ScriptHandles;
    return handle >= 0 && handle < static_cast<int>(handles.size()) ? handles[handle].get() : nullptr;
}

int32_t RunScript(int handle, int event, TEntity* sender, const TScriptParam& param, TEntity* self, TEntity* target)
{
    if (event < 1 || event > 31)
        return -1;
    auto& handles = Process().ScriptHandles;
    if (handle < 0 || handle >= static_cast<int>(handles.size()) || !handles[handle])
        return -1;
    // A copy keeps the object alive should the script free its own handle.
    const std::shared_ptr<TScriptObject> script = handles[handle];
    try {
        return Dispatch(*script, event, sender, param, self, target);
    } catch (const std::exception&) {
        Host().MessageDlg("Script Exception Raised : MsgID = " + std::to_string(event), TMsgDlgType::Error, mbOK);
        return -1;
    }
}

void FreeScript(int handle)
{
    auto& handles = Process().ScriptHandles;
    if (handle >= 0 && handle < static_cast<int>(handles.size()))
        handles[handle].reset();
}
