#include "SetupMgrJ46.h"

#include <algorithm>
#include <strings.h>

#include "SetupTypes.h"

namespace {
bool IsInstrumentSetup(const SetupRec& record)
{
    return record.GetOrigin() == SetupOrigin::kInstrument;
}
}  // namespace

void SetupMgrJ46::RemoveAll()
{
    m_records.clear();
}

void SetupMgrJ46::AddSorted(std::unique_ptr<SetupRec> record)
{
    if (!record)
        return;
    if (IsInstrumentSetup(*record) && record->IsSystemSetup()) {
        m_records.insert(m_records.begin(), std::move(record));
        return;
    }
    auto firstLocal = std::find_if(m_records.begin(), m_records.end(),
                                   [](const auto& r) { return !IsInstrumentSetup(*r); });
    m_records.insert(firstLocal, std::move(record));
}

void SetupMgrJ46::AddTail(std::unique_ptr<SetupRec> record)
{
    if (record)
        m_records.push_back(std::move(record));
}

bool SetupMgrJ46::Find(const std::string& name, int type, bool instrument, int& index) const
{
    index = -1;
    for (size_t i = 0; i < m_records.size(); ++i) {
        const SetupRec& r = *m_records[i];
        if (IsInstrumentSetup(r) != instrument || r.GetType() != type)
            continue;
        if (strcasecmp(r.GetName().c_str(), name.c_str()) == 0) {
            index = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool SetupMgrJ46::FindInstrumentSetup(const SetupRec& record, int& index) const
{
    return Find(record.GetName(), record.GetType(), true, index);
}

bool SetupMgrJ46::FindLocalSetup(const std::string& name, int type, int& index) const
{
    return Find(name, type, false, index);
}

void SetupMgrJ46::SetCurrent(const SetupRec* record)
{
    for (auto& r : m_records)
        r->SetCurrent(r.get() == record ? 1 : 0);
}

void SetupMgrJ46::DropPagesAndDelete(std::shared_ptr<SetupRec> record)
{
    if (m_removePages)
        m_removePages(*record);
}

void SetupMgrJ46::ReplaceAt(int position, std::unique_ptr<SetupRec> record)
{
    if (position < 0 || position >= GetCount() || !record)
        return;
    std::shared_ptr<SetupRec> old = std::move(m_records[static_cast<size_t>(position)]);
    m_records[static_cast<size_t>(position)] = std::move(record);
    DropPagesAndDelete(std::move(old));
}

void SetupMgrJ46::Remove(const SetupRec* record)
{
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [record](const auto& r) { return r.get() == record; });
    if (it == m_records.end())
        return;
    std::shared_ptr<SetupRec> old = std::move(*it);
    m_records.erase(it);
    DropPagesAndDelete(std::move(old));
}

SetupRec* SetupMgrJ46::GetAt(int position) const
{
    if (position < 0 || position >= GetCount())
        return nullptr;
    return m_records[static_cast<size_t>(position)].get();
}

int SetupMgrJ46::IndexOf(const SetupRec* record) const
{
    for (size_t i = 0; i < m_records.size(); ++i)
        if (record && m_records[i].get() == record)
            return static_cast<int>(i);
    return -1;
}

std::shared_ptr<SetupRec> SetupMgrJ46::Share(const SetupRec* record) const
{
    const int index = IndexOf(record);
    return index < 0 ? nullptr : m_records[static_cast<size_t>(index)];
}
