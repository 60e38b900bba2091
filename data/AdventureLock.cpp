#include "data/AdventureLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TAdventureLock::TAdventureLock(const std::string& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    // Each opening is its own claim, so a second window of this process is refused too.
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        Elsewhere = errno == EWOULDBLOCK;
        close(descriptor);
        return;
    }
    Descriptor = descriptor;
}

TAdventureLock::~TAdventureLock()
{
    if (Descriptor >= 0)
        close(Descriptor);
}
