#include "world/ActionContext.h"

#include <algorithm>

#include "app/MainForm.h"
#include "rules/Creature.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"

namespace {

template <class List>
bool Holds(const List& list, const TEntity* object)
{
    return PlaceOf(list, object) != list.end();
}

} // namespace

bool TActor::Present() const
{
    const TGameClient& client = GameClient();
    return BookOpen() && !client.SessionClosed && client.CurrentLocation == Here && Here->Id == HereId &&
           MainForm().Member(Slot) == Member;
}

std::optional<TActor> SelectedActor()
{
    TForm1& form = MainForm();
    const int slot = Process().SelectedMember;
    TPlayer* member = form.Member(slot);
    TLocation* here = GameClient().CurrentLocation;
    if (!here || !member || !form.Control("RadioButton" + std::to_string(slot)).Enabled)
        return std::nullopt;
    return TActor{member, slot, here, here->Id};
}

bool ChoicesPending()
{
    const TGameClient& client = GameClient();
    return client.Options && client.Options->ShownCount() > 0;
}

std::optional<TActor> ActorWithoutPendingChoices()
{
    return ChoicesPending() ? std::nullopt : SelectedActor();
}

void WriteFraming(const TActor& actor, const std::string& what)
{
    AppendText("");
    AppendText(ActionTextStyle + "[ " + actor.Member->Name + ": " + what + " ]");
}

std::string MarkedOpen(const TItem& item, const std::string& name)
{
    return item.Container && item.Container->Open ? name + " <open" : name;
}

bool LiesIn(const TLocation& here, const TEntity* object)
{
    return Holds(here.Items, object) || Holds(here.Npcs, object) || Holds(here.Creatures, object) ||
           Holds(here.Corpses, object);
}

TPlayControlsOff::TPlayControlsOff()
{
    GameClient().SetPlayControlsEnabled(false);
}

TPlayControlsOff::~TPlayControlsOff()
{
    GameClient().SetPlayControlsEnabled(true);
}

int ChooseTarget(const std::vector<std::string>& entries)
{
    return GameClient().ChooseFromPlainList(entries);
}

int BrowseList(const std::string& wayOut, const std::vector<std::string>& entries)
{
    TGameClient& client = GameClient();
    if (!client.Options)
        return -1;
    // The manager goes when the book closes during the wait.
    TOptionManager& options = *client.Options;
    const auto alive = options.AliveToken();
    client.ChoiceResult = 0;
    options.ShowChoice(wayOut);
    for (const std::string& entry : entries)
        options.ShowChoice(entry);
    const int result = options.WaitForChoice();
    if (!alive.expired())
        options.ClearLabels();
    return result >= 2 ? result - 2 : -1;
}
