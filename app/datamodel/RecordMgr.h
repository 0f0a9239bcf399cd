#pragma once
// Base of the record managers: the records of one kind of one loaded
// download file, owned, in load order. Readers take the number of records
// from GetCount and never meet an empty slot.
//
// A file holds up to a million time-history samples, so the records live by
// value in blocks rather than each in an allocation of its own: the blocks
// double in size up to about 256 KiB, and a record never moves once added,
// so a pointer from GetAt stays valid until RemoveAll. Emptied blocks are
// filled again by the next load, without asking the system for fresh pages.
#include <bit>
#include <cstddef>
#include <memory>
#include <vector>

template <class Rec>
class RecordMgr {
public:
    void Add(std::unique_ptr<Rec> record)
    {
        if (record)
            Add(std::move(*record));
    }
    // Moves the record into place; returns the stored record.
    Rec& Add(Rec&& record)
    {
        if (m_current == m_blocks.size())
            m_blocks.emplace_back().reserve(BlockSize(m_current));
        std::vector<Rec>& block = m_blocks[m_current];
        Rec& added = block.emplace_back(std::move(record));
        ++m_count;
        if (block.size() == BlockSize(m_current))
            ++m_current;
        return added;
    }
    // Deletes every record. The blocks stay for the records of the next
    // file, as a holder empties its data set before each load.
    void RemoveAll()
    {
        for (std::vector<Rec>& block : m_blocks)
            block.clear();
        m_count = 0;
        m_current = 0;
    }

    int GetCount() const { return static_cast<int>(m_count); }
    int GetSize() const { return GetCount(); }
    bool IsEmpty() const { return m_count == 0; }
    // The record at index; null outside 0 .. count - 1.
    const Rec* GetAt(int index) const { return InRange(index) ? &Slot(static_cast<size_t>(index)) : nullptr; }
    Rec* GetAt(int index)
    {
        return InRange(index) ? const_cast<Rec*>(&Slot(static_cast<size_t>(index))) : nullptr;
    }
    const Rec* GetLast() const { return m_count == 0 ? nullptr : &Slot(m_count - 1); }

private:
    static constexpr size_t kFirstBlock = 8;
    static constexpr size_t kBlockBytes = 256 * 1024;
    // Blocks 0 .. kDoublings - 1 hold kFirstBlock << k records, every later
    // one kLastBlock.
    static constexpr size_t Doublings()
    {
        size_t k = 0;
        while ((kFirstBlock << (k + 1)) * sizeof(Rec) <= kBlockBytes)
            ++k;
        return k;
    }
    static constexpr size_t kDoublings = Doublings();
    static constexpr size_t kLastBlock = kFirstBlock << kDoublings;
    static constexpr size_t kInDoublings = kFirstBlock * ((size_t{1} << kDoublings) - 1);

    static size_t BlockSize(size_t k) { return k < kDoublings ? kFirstBlock << k : kLastBlock; }
    bool InRange(int index) const { return index >= 0 && static_cast<size_t>(index) < m_count; }
    const Rec& Slot(size_t index) const
    {
        if (index < kInDoublings) {
            const size_t k = static_cast<size_t>(std::bit_width(index / kFirstBlock + 1)) - 1;
            return m_blocks[k][index - kFirstBlock * ((size_t{1} << k) - 1)];
        }
        const size_t rest = index - kInDoublings;
        return m_blocks[kDoublings + rest / kLastBlock][rest % kLastBlock];
    }

    // Block k is reserved to BlockSize(k) and never grows past it, so its
    // records stay where they are; blocks before m_current are full.
    std::vector<std::vector<Rec>> m_blocks;
    size_t m_current = 0;
    size_t m_count = 0;
};

// Rows of the Ln table that interval and day reports print under each record
// (profile section "Histogram Options"); 0 without histogram bins.
int LnTableRowCount(bool histogram, int baseLevel);
