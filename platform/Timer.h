// A host timer owned by an engine object: destroyed with it.
#pragma once

#include <functional>

#include "platform/Host.h"

class TTimer {
public:
    TTimer(IHost& host, int intervalMs, std::function<void()> onTimer);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    void SetEnabled(bool enabled);
    bool Enabled() const { return FEnabled; }

private:
    IHost& Host;
    TTimerHandle Handle;
    bool FEnabled = false;
};
