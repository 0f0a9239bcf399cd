#pragma once
// An ordered list of measurement directory entries. The document's list and
// the download page's selection hold the same entries, so entries are shared:
// emptying a list never leaves the other with a dangling entry.
#include <cstddef>
#include <memory>
#include <vector>

#include "MeasRec.h"

class MeasMgrJ46 {
public:
    using Entry = std::shared_ptr<MeasRec>;

    // owner: 1 for the document's list, 0 for the download page's selection.
    explicit MeasMgrJ46(bool owner = true) : m_owner(owner) {}

    bool IsOwner() const { return m_owner; }

    void AddTail(Entry entry) { m_entries.push_back(std::move(entry)); }
    // Drops every entry from the list (another list may still hold them).
    void RemoveAll() { m_entries.clear(); }

    size_t GetCount() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }
    // The entry at index; null past the end.
    Entry GetAt(size_t index) const { return index < m_entries.size() ? m_entries[index] : nullptr; }

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

private:
    std::vector<Entry> m_entries;
    bool m_owner;
};
