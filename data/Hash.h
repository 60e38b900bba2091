// String-keyed hash tables: the row type of every query result and the table of
// the adventure's switches. 128 fixed buckets, never rehashed; removed value slots
// are reused and closed up by Compact.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class EHashError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EHashFindError : public EHashError {
public:
    using EHashError::EHashError;
};
class EHashIterateError : public EHashError {
public:
    using EHashError::EHashError;
};
class EHashInvalidKeyError : public EHashError {
public:
    using EHashError::EHashError;
};

struct THashRecord {
    uint32_t Hash = 0;
    int ItemIndex = 0;
    std::string Key;
};

class THash {
public:
    static constexpr int HashBits = 7;
    static constexpr int BucketCount = 1 << HashBits;
    static constexpr uint32_t HashMask = BucketCount - 1;
    static constexpr int MaxBucket = BucketCount - 1;

    THash();
    virtual ~THash() = default;
    THash(const THash&) = default;
    THash& operator=(const THash&) = default;

    static uint32_t HashOf(const std::string& key);

    bool Exists(const std::string& key) const;
    void Delete(const std::string& key);
    void Clear();
    // Number of keys held.
    int Count() const;

    void Restart();
    bool Next();
    std::string CurrentKey() const;
    bool IterationValid() const { return FIterationValid; }

    bool AllowCompact = true;

protected:
    virtual void DeleteIndex(int index) = 0;
    virtual void MoveIndex(int from, int to) = 0;
    virtual void TrimIndexes(int count) = 0;
    virtual void ClearItems() = 0;
    virtual int IndexMax() const = 0;

    // The value index of key, or -1 when absent.
    int FindIndex(const std::string& key) const;
    // Index of key's value; raises EHashFindError when absent.
    int IndexOf(const std::string& key) const;
    // Adds a key known to be absent and returns the value index it was given;
    // the derived class grows its value array to reach it.
    int AddKey(const std::string& key);

private:
    static void CheckKey(const std::string& key);
    void TryCompact();
    void Compact();

    std::vector<std::vector<THashRecord>> Buckets;
    std::vector<int> SpareIndexes;
    bool FIterationValid = false;
    std::string FCurrentKey;
    int IterBucket = -1;
    int IterPos = 0;
};

// The value array of a table; the derived classes name the value type.
template <class TValue>
class THashOf : public THash {
public:
    const TValue& GetItem(const std::string& key) const { return Items[IndexOf(key)]; }

    void SetItem(const std::string& key, const TValue& value)
    {
        int index = FindIndex(key);
        if (index < 0) {
            index = AddKey(key);
            if (index >= static_cast<int>(Items.size()))
                Items.resize(index + 1);
        }
        Items[index] = value;
    }

protected:
    void DeleteIndex(int index) override { Items[index] = TValue(); }
    void MoveIndex(int from, int to) override { Items[to] = Items[from]; }
    void TrimIndexes(int count) override { Items.resize(count); }
    void ClearItems() override { Items.clear(); }
    int IndexMax() const override { return static_cast<int>(Items.size()) - 1; }

private:
    std::vector<TValue> Items;
};

class TStringHash : public THashOf<std::string> {};
class TIntegerHash : public THashOf<int32_t> {};
