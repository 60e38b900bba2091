#include "session/Process.h"

#include <memory>

namespace {
std::unique_ptr<TProcess> Current;
}

TProcess& Process()
{
    if (!Current)
        Current = std::make_unique<TProcess>();
    return *Current;
}

void ResetProcess()
{
    Current.reset();
}
