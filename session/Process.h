// The process-wide state of the engine, reached through one accessor so that a
// test can build a fresh one and destroy it.
#pragma once

#include "data/Hash.h"
#include "platform/Random.h"

struct TProcess {
    TRandomSource Random;
    // The adventure's global switches, set and tested by scripts.
    TIntegerHash Switches;
};

// The current process state, built on first use.
TProcess& Process();
// Destroys the current state; the next Process() builds a fresh one.
void ResetProcess();
