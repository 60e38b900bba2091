// What every location action shares: the acting member, the framing line, and
// the numbered lists the player picks targets from. A wait for a pick or a
// script event may move the party, free objects or close the book, so whatever
// an action holds is checked again before it is used.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCreature;
class TEntity;
class TItem;
class TLocation;

struct TActor {
    TCreature* Member = nullptr;
    int Slot = 0;
    TLocation* Here = nullptr;
    int64_t HereId = 0;

    // The book is open, the party still here and the member still in its slot.
    bool Present() const;
};

// The selected member when the common preconditions hold: a current location,
// a member in the selected slot, and that member's selector enabled.
std::optional<TActor> SelectedActor();
bool ChoicesPending();
// The selected member for the actions that also need no choices pending.
std::optional<TActor> ActorWithoutPendingChoices();

// An empty line, then "[ member: what ]" in the action style.
void WriteFraming(const TActor& actor, const std::string& what);

// The name with " <open" after it for an open container.
std::string MarkedOpen(const TItem& item, const std::string& name);

// Whether one of the location's lists still holds the object.
bool LiesIn(const TLocation& here, const TEntity* object);

// A "Cancel" list of targets with the play controls off during the wait; the
// 0-based entry picked, or -1.
int ChooseTarget(const std::vector<std::string>& entries);
// One list of a browsing loop, the way out first; the 0-based entry picked, or
// -1 for the way out or a cancel.
int BrowseList(const std::string& wayOut, const std::vector<std::string>& entries);

// The targets an action offers, parallel to their names in the list.
template <class T>
struct TTargets {
    std::vector<std::string> Names;
    std::vector<T*> Objects;

    void Add(T* object, const std::string& name)
    {
        Objects.push_back(object);
        Names.push_back(name);
    }

    // The target picked; null for none.
    T* Choose(const TActor& actor) const { return Picked(actor, ChooseTarget(Names)); }
    // The same in a browsing loop.
    T* Browse(const TActor& actor, const std::string& wayOut) const { return Picked(actor, BrowseList(wayOut, Names)); }

private:
    // Counts only while the target still lies here.
    T* Picked(const TActor& actor, int picked) const
    {
        if (picked < 0 || picked >= static_cast<int>(Objects.size()) || !actor.Present() ||
            !LiesIn(*actor.Here, Objects[picked]))
            return nullptr;
        return Objects[picked];
    }
};

// The place of the list that holds the object, or the list's end.
template <class List>
auto PlaceOf(List& list, const TEntity* object)
{
    return std::find_if(list.begin(), list.end(), [object](const auto& held) { return held.get() == object; });
}

// Keeps the play controls off for a whole browsing loop and turns them on again
// however the loop ends.
class TPlayControlsOff {
public:
    TPlayControlsOff();
    ~TPlayControlsOff();
    TPlayControlsOff(const TPlayControlsOff&) = delete;
    TPlayControlsOff& operator=(const TPlayControlsOff&) = delete;
};
