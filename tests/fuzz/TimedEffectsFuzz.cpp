// The timed effects of a bookmark (Timed.dat): whatever the file holds, reading
// never goes past its end, what is read writes back the same way again, and every
// restored effect runs out.
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "app/MainForm.h"
#include "platform/ScriptedHost.h"
#include "rules/Creature.h"
#include "rules/EffectRecords.h"
#include "rules/Effects.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

std::string Written(const TStoredEffects& read)
{
    std::string bytes;
    for (const TStoredEffect& stored : read.Entries)
        WriteEffectEntry(bytes, *stored.Effect);
    return bytes;
}

// A game in play, as effects tick in one: a closed session stops every tick.
void OpenSession()
{
    static TScriptedHost host;
    TProcess& process = Process();
    if (process.Client)
        return;
    host.SetLineSource([](const std::string&) { return std::string("answer ok"); });
    process.Host = &host;
    process.MainForm = std::make_unique<TForm1>();
    process.Client = std::make_unique<TGameClient>(*process.MainForm);
    process.Client->SessionClosed = false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    TStoredEffects read = ReadEffectEntries(file);
    FUZZ_CHECK(read.Error.empty() || !file.empty(), "an empty file is damaged");

    // An entry never writes back longer than it was read.
    const std::string written = Written(read);
    FUZZ_CHECK(written.size() <= file.size(), "entries write back longer than the file");
    FUZZ_CHECK(written.size() == read.Entries.size() * (TimedEffectRecordSize + 4) + 4 * [&] {
                   size_t values = 0;
                   for (const TStoredEffect& stored : read.Entries)
                       if (const auto* damage = dynamic_cast<const TEffectDamage*>(stored.Effect.get()))
                           values += damage->Damage.Values.size();
                   return values;
               }(),
               "an entry is not a record, a count and its values");
    const TStoredEffects again = ReadEffectEntries(written);
    FUZZ_CHECK(again.Error.empty(), "written entries do not read back");
    FUZZ_CHECK(again.Entries.size() == read.Entries.size(), "entries are lost in writing");
    FUZZ_CHECK(Written(again) == written, "entries do not survive writing");

    // Restored onto a creature, every effect ends once its time is up.
    OpenSession();
    TPlayer target;
    target.end_max = target.end = 10;
    TEffectsManager effects;
    for (TStoredEffect& stored : read.Entries) {
        stored.Effect->Target = &target;
        effects.Add(std::move(stored.Effect));
    }
    effects.Tick(nullptr, 1);
    FUZZ_CHECK(!effects.Tick(nullptr, INT32_MAX), "an effect outlives its time");
    return 0;
}
