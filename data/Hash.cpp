#include "data/Hash.h"

namespace {

[[noreturn]] void RaiseNotFound(const std::string& key)
{
    throw EHashFindError("Key \"" + key + "\" not found");
}

} // namespace

THash::THash() : Buckets(BucketCount) {}

uint32_t THash::HashOf(const std::string& key)
{
    // The step ors the top nibble back in rather than xor-ing and clearing it.
    uint32_t h = 0x12345670u;
    for (unsigned char b : key) {
        h = (h << 4) + b;
        const uint32_t g = h & 0xF0000000u;
        if (g != 0)
            h = h | (g >> 24) | g;
    }
    return h;
}

void THash::CheckKey(const std::string& key)
{
    if (key.empty())
        throw EHashInvalidKeyError("Key cannot be an empty string");
}

int THash::FindIndex(const std::string& key) const
{
    CheckKey(key);
    for (const THashRecord& record : Buckets[HashOf(key) & HashMask])
        if (record.Key == key)
            return record.ItemIndex;
    return -1;
}

int THash::IndexOf(const std::string& key) const
{
    const int index = FindIndex(key);
    if (index < 0)
        RaiseNotFound(key);
    return index;
}

bool THash::Exists(const std::string& key) const
{
    return FindIndex(key) >= 0;
}

int THash::Count() const
{
    int count = 0;
    for (const auto& bucket : Buckets)
        count += static_cast<int>(bucket.size());
    return count;
}

int THash::AddKey(const std::string& key)
{
    CheckKey(key);
    int index;
    if (!SpareIndexes.empty()) {
        index = SpareIndexes.back();
        SpareIndexes.pop_back();
    } else {
        index = IndexMax() + 1;
    }
    const uint32_t hash = HashOf(key);
    Buckets[hash & HashMask].push_back(THashRecord{hash, index, key});
    FIterationValid = false;
    return index;
}

void THash::Delete(const std::string& key)
{
    FIterationValid = false;
    CheckKey(key);
    auto& bucket = Buckets[HashOf(key) & HashMask];
    for (size_t pos = 0; pos < bucket.size(); ++pos) {
        if (bucket[pos].Key != key)
            continue;
        DeleteIndex(bucket[pos].ItemIndex);
        SpareIndexes.push_back(bucket[pos].ItemIndex);
        bucket[pos] = bucket.back();
        bucket.pop_back();
        TryCompact();
        return;
    }
    RaiseNotFound(key);
}

void THash::Clear()
{
    ClearItems();
    SpareIndexes.clear();
    for (auto& bucket : Buckets)
        bucket.clear();
}

void THash::TryCompact()
{
    const int spare = static_cast<int>(SpareIndexes.size());
    if (AllowCompact && spare >= 100 && 2 * IndexMax() > spare)
        Compact();
}

void THash::Compact()
{
    const int max = IndexMax();
    std::vector<bool> free(max + 1, false);
    for (int index : SpareIndexes)
        free[index] = true;
    std::vector<int> map(max + 1);
    for (int index = 0; index <= max; ++index)
        map[index] = index;

    // Fill the lowest holes with the highest used values.
    int j = 0;
    int i = max;
    while (j < i) {
        if (free[j]) {
            while (i > j && free[i])
                --i;
            if (j >= i)
                break;
            MoveIndex(i, j);
            free[j] = false;
            free[i] = true;
            map[i] = j;
        }
        ++j;
    }

    int k = max;
    while (k >= 0 && free[k])
        --k;
    TrimIndexes(k + 1);
    SpareIndexes.clear();

    for (auto& bucket : Buckets)
        for (THashRecord& record : bucket)
            record.ItemIndex = map[record.ItemIndex];
}

void THash::Restart()
{
    IterBucket = -1;
    IterPos = 0;
    FIterationValid = true;
}

bool THash::Next()
{
    if (!FIterationValid)
        throw EHashIterateError("Cannot get Next as the hash has been modified since Restart was called");
    if (IterBucket == -1) {
        IterBucket = 0;
        IterPos = 0;
    }
    while (IterBucket <= MaxBucket) {
        const auto& bucket = Buckets[IterBucket];
        if (IterPos < static_cast<int>(bucket.size())) {
            FCurrentKey = bucket[IterPos].Key;
            ++IterPos;
            return true;
        }
        ++IterBucket;
        IterPos = 0;
    }
    return false;
}

std::string THash::CurrentKey() const
{
    if (!FIterationValid)
        throw EHashIterateError("Cannot find CurrentKey as the hash has been modified since Restart was called");
    if (FCurrentKey.empty())
        throw EHashIterateError("Cannot find CurrentKey as Next has not yet been called after Restart");
    return FCurrentKey;
}
