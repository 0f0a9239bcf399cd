#pragma once
// Base of the record managers: the records of one kind of one loaded
// download file, owned, in load order. Readers take the number of records
// from GetCount and never meet an empty slot.
#include <memory>
#include <vector>

template <class Rec>
class RecordMgr {
public:
    void Add(std::unique_ptr<Rec> record)
    {
        if (record)
            m_records.push_back(std::move(record));
    }
    // Deletes every record.
    void RemoveAll() { m_records.clear(); }

    int GetCount() const { return static_cast<int>(m_records.size()); }
    int GetSize() const { return GetCount(); }
    bool IsEmpty() const { return m_records.empty(); }
    // The record at index; null outside 0 .. count - 1.
    const Rec* GetAt(int index) const { return InRange(index) ? m_records[static_cast<size_t>(index)].get() : nullptr; }
    Rec* GetAt(int index) { return InRange(index) ? m_records[static_cast<size_t>(index)].get() : nullptr; }
    const Rec* GetLast() const { return m_records.empty() ? nullptr : m_records.back().get(); }

private:
    bool InRange(int index) const { return index >= 0 && static_cast<size_t>(index) < m_records.size(); }

    std::vector<std::unique_ptr<Rec>> m_records;
};

// Rows of the Ln table that interval and day reports print under each record
// (profile section "Histogram Options"); 0 without histogram bins.
int LnTableRowCount(bool histogram, int baseLevel);
