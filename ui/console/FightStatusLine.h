// After each round of a fight, one line in the terminal: who fights whom, with
// their endurance.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>

class TCombatSession;

class TFightStatusLine {
public:
    explicit TFightStatusLine(std::ostream& out) : Out(out) {}

    // Says the fight's status when a round has passed since it was said last.
    void Update();

private:
    std::ostream& Out;
    std::weak_ptr<TCombatSession> Watched;
    int32_t RoundsSaid = 0;
};
