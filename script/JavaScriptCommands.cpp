#include "script/JavaScriptCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "duktape.h"
#include "script/JavaScript.h"
#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"

namespace {

// A command at work: its arguments, already of the kinds it takes, and its answer.
struct TCall {
    TScriptObject& Script;
    std::vector<TVariant> Arguments;
    std::optional<TVariant> Answer;

    const std::string& Text(size_t index) const { return std::get<std::string>(Arguments[index]); }
    int64_t Number(size_t index) const { return std::get<int64_t>(Arguments[index]); }
    int32_t Number32(size_t index) const
    {
        return static_cast<int32_t>(std::clamp<int64_t>(Number(index), INT32_MIN, INT32_MAX));
    }
    bool Flag(size_t index) const { return std::get<bool>(Arguments[index]); }
    TScriptSender& Sender() const { return Script.SenderProxy; }
};

// One command: its name ("Sender.X" for a method of Sender), one letter per
// argument (t text, n number, b true or false, v any of the three) and what it does.
struct TCommand {
    const char* Name;
    const char* Arguments;
    void (*Run)(TCall& call);
};

const TCommand Commands[] = {
    {"Print", "t", [](TCall& c) { Cmd().Print(c.Text(0)); }},
    {"PrintParagraph", "t", [](TCall& c) { Cmd().PrintParagraph(c.Text(0)); }},
    {"MessageBox", "t", [](TCall& c) { Cmd().MessageBox(c.Text(0)); }},
    {"ShowMedia", "nt", [](TCall& c) { Cmd().ShowMedia(c.Number32(0), c.Text(1)); }},
    {"CutScene", "tbt", [](TCall& c) { Cmd().CutScene(c.Text(0), c.Flag(1), c.Text(2)); }},
    {"ClearOutput", "b", [](TCall& c) { Cmd().ClearOutput(c.Flag(0)); }},
    {"ShowSingleChoice", "t", [](TCall& c) { ShowSingleChoice(c.Text(0), &c.Script); }},

    {"GiveItem", "n", [](TCall& c) { Cmd().GiveItem(c.Number(0)); }},
    {"JoinParty", "n", [](TCall& c) { c.Answer = int64_t{Cmd().JoinParty(c.Number(0))}; }},
    {"RaiseDeadMember", "n", [](TCall& c) { Cmd().RaiseDeadMember(c.Number32(0)); }},
    {"AwardExperience", "n", [](TCall& c) { Cmd().AwardExperience(c.Number32(0)); }},
    {"RestParty", "n", [](TCall& c) { Cmd().RestParty(c.Number32(0)); }},
    {"CurePoison", "n", [](TCall& c) { Cmd().CurePoison(c.Number(0)); }},
    {"GetGold", "", [](TCall& c) { c.Answer = int64_t{Cmd().GetGold()}; }},
    {"SetGold", "n", [](TCall& c) { Cmd().SetGold(c.Number32(0)); }},
    {"PartyHasItem", "n", [](TCall& c) { c.Answer = PartyHasItem(c.Number(0)); }},

    {"ShowContent", "nnb", [](TCall& c) { Cmd().ShowContent(c.Number32(0), c.Number(1), c.Flag(2)); }},
    {"ShowExit", "nnb", [](TCall& c) { Cmd().ShowExit(c.Number(0), c.Number(1), c.Flag(2)); }},
    {"SpawnContent", "nnnnn",
     [](TCall& c) { Cmd().SpawnContent(c.Number(0), c.Number32(1), c.Number32(2), c.Number32(3), c.Number(4)); }},
    {"MoveParty", "n", [](TCall& c) { Cmd().MoveParty(c.Number(0)); }},
    {"CheckForCombat", "", [](TCall&) { Cmd().CheckForCombat(); }},
    {"UICommand", "t", [](TCall& c) { Cmd().UICommand(c.Text(0)); }},
    {"GetVariable", "t", [](TCall& c) { c.Answer = Cmd().GetVariable(c.Text(0)); }},

    {"AddJournalEntry", "tt", [](TCall& c) { Cmd().AddJournalEntry(c.Text(0), c.Text(1)); }},
    {"AddQuest", "tt", [](TCall& c) { Cmd().AddQuest(c.Text(0), c.Text(1)); }},
    {"CompleteQuest", "t", [](TCall& c) { Cmd().CompleteQuest(c.Text(0)); }},
    {"AddMapPicture", "ttt", [](TCall& c) { Cmd().AddMapPicture(c.Text(0), c.Text(1), c.Text(2)); }},

    {"GetCounter", "t", [](TCall& c) { c.Answer = int64_t{Cmd().GetCounter(c.Text(0))}; }},
    {"SetCounter", "tn", [](TCall& c) { Cmd().SetCounter(c.Text(0), c.Number32(1)); }},
    {"ChangeCounter", "tb", [](TCall& c) { Cmd().ChangeCounter(c.Text(0), c.Flag(1)); }},
    {"GetGlobal", "t", [](TCall& c) { c.Answer = Cmd().GetGlobal(c.Text(0)); }},
    {"SetGlobal", "tv", [](TCall& c) { Cmd().SetGlobal(c.Text(0), c.Arguments[1]); }},
    {"DeleteGlobal", "t", [](TCall& c) { Cmd().DeleteGlobal(c.Text(0)); }},
    {"RandomRange", "nn", [](TCall& c) { c.Answer = int64_t{Cmd().RandomRange(c.Number32(0), c.Number32(1))}; }},
    {"RollDice", "nn", [](TCall& c) { c.Answer = int64_t{Cmd().RollDice(c.Number32(0), c.Number32(1))}; }},

    {"Sender.GetName", "", [](TCall& c) { c.Answer = c.Sender().GetName(); }},
    {"Sender.GetId", "", [](TCall& c) { c.Answer = int64_t{c.Sender().GetId()}; }},
    {"Sender.GetAttribute", "n", [](TCall& c) { c.Answer = int64_t{c.Sender().GetAttribute(c.Number32(0))}; }},
    {"Sender.SetAttribute", "nnn",
     [](TCall& c) { c.Sender().SetAttribute(c.Number32(0), c.Number32(1), c.Number32(2)); }},
    {"Sender.SkillValue", "t", [](TCall& c) { c.Answer = int64_t{c.Sender().SkillValue(c.Text(0))}; }},
    {"Sender.TakeItem", "n", [](TCall& c) { c.Sender().TakeItem(c.Number(0)); }},
    {"Sender.FindItemSlot", "n", [](TCall& c) { c.Answer = int64_t{c.Sender().FindItemSlot(c.Number(0))}; }},
};

const char* KindName(char kind)
{
    switch (kind) {
    case 't': return "a text";
    case 'n': return "a number";
    case 'b': return "true or false";
    default: return "true, false, a number or a text";
    }
}

// The argument as the command takes it; nullopt when it is of another kind.
std::optional<TVariant> Argument(duk_context* context, duk_idx_t index, char kind)
{
    if (duk_is_string(context, index) && (kind == 't' || kind == 'v')) {
        size_t length = 0;
        const char* text = duk_get_lstring(context, index, &length);
        return TVariant(std::string(text, length));
    }
    if (duk_is_number(context, index) && (kind == 'n' || kind == 'v')) {
        // Truncated toward zero and held within 64 bits; NaN is 0.
        const double number = duk_get_number(context, index);
        constexpr double limit = 9.2e18;
        return TVariant(std::isnan(number) ? int64_t{0} : static_cast<int64_t>(std::clamp(number, -limit, limit)));
    }
    if (duk_is_boolean(context, index) && (kind == 'b' || kind == 'v'))
        return TVariant(static_cast<bool>(duk_get_boolean(context, index)));
    return std::nullopt;
}

duk_ret_t Push(duk_context* context, const TVariant& value)
{
    if (const auto* flag = std::get_if<bool>(&value))
        duk_push_boolean(context, *flag);
    else if (const auto* number = std::get_if<int64_t>(&value))
        duk_push_number(context, static_cast<double>(*number));
    else
        duk_push_lstring(context, std::get<std::string>(value).data(), std::get<std::string>(value).size());
    return 1;
}

duk_ret_t RunCommand(duk_context* context)
{
    const TCommand& command = Commands[duk_get_current_magic(context)];
    const duk_idx_t expected = static_cast<duk_idx_t>(std::strlen(command.Arguments));
    if (duk_get_top(context) != expected)
        return duk_error(context, DUK_ERR_TYPE_ERROR, "%s takes %d argument(s), not %d", command.Name,
                         static_cast<int>(expected), static_cast<int>(duk_get_top(context)));
    TJavaScript& script = TJavaScript::Of(context);
    TCall call{script.Owner, {}, std::nullopt};
    for (duk_idx_t index = 0; index < expected; ++index) {
        const char kind = command.Arguments[index];
        std::optional<TVariant> argument = Argument(context, index, kind);
        if (!argument)
            return duk_error(context, DUK_ERR_TYPE_ERROR, "%s: argument %d must be %s", command.Name,
                             static_cast<int>(index) + 1, KindName(kind));
        call.Arguments.push_back(std::move(*argument));
    }
    // Only the engine runs in here, no Duktape call: Duktape's own unwinding never
    // meets these handlers.
    std::optional<std::string> failure;
    try {
        command.Run(call);
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        script.Defer(std::current_exception());
        failure = "stopped";
    }
    if (failure)
        return duk_error(context, DUK_ERR_ERROR, "%s: %s", command.Name, failure->c_str());
    return call.Answer ? Push(context, *call.Answer) : 0;
}

} // namespace

void BindScriptCommands(duk_hthread* context)
{
    duk_push_global_object(context);
    duk_push_object(context);
    duk_put_prop_string(context, -2, "Sender");
    duk_get_prop_string(context, -1, "Sender");
    for (size_t index = 0; index < std::size(Commands); ++index) {
        const std::string name = Commands[index].Name;
        const size_t dot = name.find('.');
        duk_push_c_function(context, &RunCommand, DUK_VARARGS);
        duk_set_magic(context, -1, static_cast<duk_int_t>(index));
        // Methods go on Sender, just below; commands on the global object below it.
        duk_put_prop_string(context, dot == std::string::npos ? -3 : -2, name.substr(dot + 1).c_str());
    }
    duk_pop_2(context);
}
