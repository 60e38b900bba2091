#include "tools/bench/SessionCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "data/SQLite.h"
#include "data/SessionLookups.h"
#include "data/SessionSchema.h"

namespace fs = std::filesystem;

std::unique_ptr<TSQLite3> NewSessionCopy(const std::string& gameFolder)
{
    const fs::path game(gameFolder);
    fs::copy_file(game / "data.db", game / "temp.db", fs::copy_options::overwrite_existing);
    auto db = std::make_unique<TSQLite3>();
    db->Open((game / "temp.db").string());
    db->LogErrors = true;
    UseScratchSettings(*db);
    ConvertToSessionDatabase(*db);
    PrepareSessionDatabase(*db);
    return db;
}

namespace {

// A file descriptor, closed however the copy ends.
struct TDescriptor {
    int Value;
    ~TDescriptor()
    {
        if (Value >= 0)
            ::close(Value);
    }
};

[[noreturn]] void Fail(const std::string& path)
{
    const int error = errno;
    throw std::runtime_error(path + ": " + std::strerror(error));
}

} // namespace

void CopyAndSync(const std::string& from, const std::string& to)
{
    const TDescriptor source{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    if (source.Value < 0)
        Fail(from);
    const TDescriptor target{::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644)};
    if (target.Value < 0)
        Fail(to);
    std::vector<char> block(1 << 20);
    for (;;) {
        const ssize_t got = ::read(source.Value, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(from);
        if (got == 0)
            break;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(target.Value, block.data() + written, static_cast<size_t>(got - written));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                Fail(to);
            written += put;
        }
    }
    if (::fsync(target.Value) != 0)
        Fail(to);
}
