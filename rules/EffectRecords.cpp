#include "rules/EffectRecords.h"

#include <array>

#include "data/LittleEndian.h"
#include "rules/Creature.h"
#include "rules/Effects.h"

namespace {

// Where the fields lie in a record. A modifier effect's changes fill 0..155, a
// damage effect's image 156..171; what another kind leaves there is zero.
constexpr size_t AbilitiesAt = 0;
constexpr size_t ArmorAt = 20;
constexpr size_t AttackAt = 36;
constexpr size_t DamageBonusAt = 52;
constexpr size_t ResistancesAt = 68;
constexpr size_t ManaMaxAt = 148;
constexpr size_t EndMaxAt = 152;
constexpr size_t DamageIdAt = 156;
constexpr size_t DiceCountAt = 160;
constexpr size_t DamageTypeAt = 161;
constexpr size_t DurationAt = 164;
constexpr size_t TriggerAt = 168;
constexpr size_t TargetIdAt = 172;
constexpr size_t RemainingAt = 176;
constexpr size_t PeriodAt = 180;
constexpr size_t CounterAt = 184;
constexpr size_t KindAt = 188;

using TRecord = std::array<uint8_t, TimedEffectRecordSize>;

template <size_t N>
void PutAll(TRecord& record, size_t at, const std::array<int32_t, N>& values)
{
    for (size_t index = 0; index < N; ++index)
        PutInt32(&record[at + 4 * index], values[index]);
}

template <size_t N>
void GetAll(const TRecord& record, size_t at, std::array<int32_t, N>& values)
{
    for (size_t index = 0; index < N; ++index)
        values[index] = GetInt32(&record[at + 4 * index]);
}

void AppendInt(std::string& out, int32_t value)
{
    uint8_t bytes[4];
    PutInt32(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

std::unique_ptr<TEffect> EffectOfRecord(const TRecord& record)
{
    const int32_t kind = GetInt32(&record[KindAt]);
    std::unique_ptr<TEffect> effect;
    if (kind == ekModifier) {
        auto made = std::make_unique<TEffectMod>();
        GetAll(record, AbilitiesAt, made->Abilities);
        GetAll(record, ArmorAt, made->Armor);
        GetAll(record, AttackAt, made->Attack);
        GetAll(record, DamageBonusAt, made->DamageBonus);
        GetAll(record, ResistancesAt, made->Resistances);
        made->mana_max = GetInt32(&record[ManaMaxAt]);
        made->end_max = GetInt32(&record[EndMaxAt]);
        effect = std::move(made);
    } else if (kind == ekDamage) {
        auto damage = std::make_unique<TEffectDamage>();
        // Form, Modifier and DieSize are not stored: they stay 0.
        DamageRec& image = damage->Damage;
        image.Id = GetInt32(&record[DamageIdAt]);
        image.DiceCount = record[DiceCountAt];
        image.DamageType = record[DamageTypeAt];
        // The effect itself is the duration: each of its hits is dealt at once,
        // whatever the entry says, or a hit would start another effect.
        image.Duration = -1;
        image.Trigger = -1;
        effect = std::move(damage);
    } else {
        effect = std::make_unique<TEffect>();
    }
    effect->Remaining = GetInt32(&record[RemainingAt]);
    effect->Period = GetInt32(&record[PeriodAt]);
    effect->Counter = GetInt32(&record[CounterAt]);
    effect->Kind = kind;
    return effect;
}

std::string EntryError(size_t entry, const std::string& why)
{
    return "Entry " + std::to_string(entry) + " of the timed effects " + why;
}

} // namespace

void WriteEffectEntry(std::string& out, const TEffect& effect)
{
    TRecord record{};
    const std::vector<int32_t>* values = nullptr;
    if (const auto* made = dynamic_cast<const TEffectMod*>(&effect); made && effect.Kind == ekModifier) {
        PutAll(record, AbilitiesAt, made->Abilities);
        PutAll(record, ArmorAt, made->Armor);
        PutAll(record, AttackAt, made->Attack);
        PutAll(record, DamageBonusAt, made->DamageBonus);
        PutAll(record, ResistancesAt, made->Resistances);
        PutInt32(&record[ManaMaxAt], made->mana_max);
        PutInt32(&record[EndMaxAt], made->end_max);
    } else if (const auto* damage = dynamic_cast<const TEffectDamage*>(&effect); damage && effect.Kind == ekDamage) {
        const DamageRec& image = damage->Damage;
        PutInt32(&record[DamageIdAt], image.Id);
        record[DiceCountAt] = static_cast<uint8_t>(image.DiceCount);
        record[DamageTypeAt] = image.DamageType;
        PutInt32(&record[DurationAt], image.Duration);
        PutInt32(&record[TriggerAt], image.Trigger);
        values = &image.Values;
    }
    PutInt32(&record[TargetIdAt], effect.Target ? static_cast<int32_t>(static_cast<uint32_t>(effect.Target->Id)) : 0);
    PutInt32(&record[RemainingAt], effect.Remaining);
    PutInt32(&record[PeriodAt], effect.Period);
    PutInt32(&record[CounterAt], effect.Counter);
    PutInt32(&record[KindAt], effect.Kind);
    out.append(reinterpret_cast<const char*>(record.data()), record.size());
    AppendInt(out, values ? static_cast<int32_t>(values->size()) : 0);
    if (values)
        for (int32_t value : *values)
            AppendInt(out, value);
}

TStoredEffects ReadEffectEntries(std::string_view bytes)
{
    TStoredEffects read;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t entry = read.Entries.size() + 1;
        if (bytes.size() - at < TimedEffectRecordSize + 4) {
            read.Error = EntryError(entry, "is cut short.");
            break;
        }
        TRecord record;
        std::copy(data + at, data + at + TimedEffectRecordSize, record.begin());
        at += TimedEffectRecordSize;
        const int32_t count = GetInt32(data + at);
        at += 4;
        // Every kind carries its values, so all of them are passed over.
        const size_t left = (bytes.size() - at) / 4;
        if (count < 0 || static_cast<size_t>(count) > left) {
            read.Error = EntryError(entry, "counts " + std::to_string(count) + " values where " +
                                               std::to_string(left) + " remain.");
            break;
        }
        TStoredEffect stored;
        stored.Effect = EffectOfRecord(record);
        stored.TargetId = static_cast<uint32_t>(GetInt32(&record[TargetIdAt]));
        if (auto* damage = dynamic_cast<TEffectDamage*>(stored.Effect.get()))
            for (int32_t value = 0; value < count; ++value)
                damage->Damage.Values.push_back(GetInt32(data + at + 4 * value));
        at += 4 * static_cast<size_t>(count);
        read.Entries.push_back(std::move(stored));
    }
    return read;
}
