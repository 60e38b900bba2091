// The effects manager's bookmark file, Timed.dat.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/EffectRecords.h"
#include "rules/Effects.h"
#include "session/Process.h"

namespace fs = std::filesystem;

namespace {

// Far beyond what any party carries; a larger file is not one of ours.
constexpr uintmax_t MaxTimedFileSize = 4 * 1024 * 1024;

void Warn(const std::string& text)
{
    if (IHost* host = Process().Host)
        host->MessageDlg(text, TMsgDlgType::Warning, mbOK);
}

TCreature* MemberWithId(uint32_t id)
{
    const TProcess& process = Process();
    if (id == 0 || !process.MainForm)
        return nullptr;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (TPlayer* member = process.MainForm->Member(slot); member && static_cast<uint32_t>(member->Id) == id)
            return member;
    return nullptr;
}

// The record keeps no Form, Modifier or DieSize: the adventure's damage row of
// the same id gives them back, so a restored poison still hurts.
void CompleteDamage(DamageRec& image)
{
    const TProcess& process = Process();
    if (!process.MainForm || !process.MainForm->DataManager || !process.SessionDb)
        return;
    DamageRec row;
    if (!process.MainForm->DataManager->LoadDamage(image.Id, &row))
        return;
    image.Form = row.Form;
    image.Modifier = row.Modifier;
    image.DieSize = row.DieSize;
}

} // namespace

std::string TEffectsManager::Entries() const
{
    std::string bytes;
    for (const auto& effect : FEffects)
        if (effect)
            WriteEffectEntry(bytes, *effect);
    return bytes;
}

bool TEffectsManager::Save(const std::string& fileName)
{
    SetTimer(false);
    const std::string bytes = Entries();
    std::error_code error;
    if (bytes.empty()) {
        // A file left from an earlier save would bring its effects back.
        fs::remove(fileName, error);
        if (!error)
            return true;
        Warn("The old timed effects in " + fileName + " cannot be removed: " + error.message());
        return false;
    }
    // Written aside and renamed, so a failed write never leaves half a file.
    const std::string temporary = fileName + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            file.close();
            fs::remove(temporary, error);
            Warn("The timed effects cannot be written to " + temporary + ".");
            return false;
        }
    }
    fs::rename(temporary, fileName, error);
    if (!error)
        return true;
    fs::remove(temporary, error);
    Warn("The timed effects cannot be written to " + fileName + ": " + error.message());
    return false;
}

bool TEffectsManager::Load(const std::string& fileName)
{
    std::error_code error;
    if (!fs::exists(fileName, error))
        return true;
    const uintmax_t size = fs::file_size(fileName, error);
    if (error || size > MaxTimedFileSize) {
        Warn(fileName + " is not a file of timed effects: " +
             (error ? error.message() : "it is larger than " + std::to_string(MaxTimedFileSize) + " bytes."));
        return false;
    }
    std::ifstream file(fileName, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
        Warn("The timed effects in " + fileName + " cannot be read.");
        return false;
    }
    TStoredEffects read = ReadEffectEntries(bytes);
    for (TStoredEffect& stored : read.Entries) {
        stored.Effect->Target = MemberWithId(stored.TargetId);
        if (auto* damage = dynamic_cast<TEffectDamage*>(stored.Effect.get()))
            CompleteDamage(damage->Damage);
        Store(std::move(stored.Effect));
    }
    if (!read.Entries.empty() && !FPaused)
        SetTimer(true);
    if (read.Error.empty())
        return true;
    Warn(fileName + " is damaged. " + read.Error + " The " + std::to_string(read.Entries.size()) +
         " effects before it are restored.");
    return false;
}
