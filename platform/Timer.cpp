#include "platform/Timer.h"

TTimer::TTimer(IHost& host, int intervalMs, std::function<void()> onTimer)
    : Host(host), Handle(host.CreateTimer(intervalMs, std::move(onTimer)))
{
}

TTimer::~TTimer()
{
    Host.DestroyTimer(Handle);
}

void TTimer::SetEnabled(bool enabled)
{
    FEnabled = enabled;
    Host.SetTimerEnabled(Handle, enabled);
}
