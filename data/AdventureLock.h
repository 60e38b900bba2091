// Keeps a second running copy away from an adventure folder while a game is open
// in it: both would share one temp.db. The lock is the operating system's, held
// on the folder itself, so a crashed copy leaves nothing behind that blocks.
#pragma once

#include <string>

class TAdventureLock {
public:
    // Tries to take the lock at once, never waiting for it.
    explicit TAdventureLock(const std::string& folder);
    ~TAdventureLock();
    TAdventureLock(const TAdventureLock&) = delete;
    TAdventureLock& operator=(const TAdventureLock&) = delete;

    bool Held() const { return Descriptor >= 0; }
    // Another opening holds it: a game is going on in the folder.
    bool HeldElsewhere() const { return Elsewhere; }

private:
    int Descriptor = -1;
    bool Elsewhere = false;
};
