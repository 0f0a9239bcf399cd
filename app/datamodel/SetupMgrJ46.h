#pragma once
// The ordered, owning list of setup records: the instrument's system setup
// first, then the other instrument setups in the order they came, then the
// setups from files or made new, the latest first.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SetupRec.h"

class SetupMgrJ46 {
public:
    // Called with a record just before the list deletes it, so that no setup
    // page is left showing a deleted record. The document installs it.
    using RemovePagesHook = std::function<void(SetupRec&)>;

    SetupMgrJ46() = default;
    SetupMgrJ46(const SetupMgrJ46&) = delete;
    SetupMgrJ46& operator=(const SetupMgrJ46&) = delete;
    ~SetupMgrJ46() { RemoveAll(); }

    // Stands in for the list's back pointer to the document.
    void SetDocument(RemovePagesHook removePages) { m_removePages = std::move(removePages); }

    void RemoveAll();
    // Takes ownership and puts the record in its place in the order.
    void AddSorted(std::unique_ptr<SetupRec> record);
    // Takes ownership and appends the record, whatever its origin (setups
    // opened or made new join the end, as the Setup view shows them).
    void AddTail(std::unique_ptr<SetupRec> record);

    // Among the instrument's setups (origin 7): the first of the given
    // record's name (letter case ignored) and type. index is its position in
    // the whole list, -1 when none.
    bool FindInstrumentSetup(const SetupRec& record, int& index) const;
    // The same among the setups of every other origin.
    bool FindLocalSetup(const std::string& name, int type, int& index) const;

    // Marks that record current and every other one not.
    void SetCurrent(const SetupRec* record);
    // Puts record in place of the one at position and lets go of the old one;
    // nothing happens (and record is dropped) when there is no such position.
    void ReplaceAt(int position, std::unique_ptr<SetupRec> record);
    // Removes that record and lets go of it; nothing when it is not in the
    // list.
    void Remove(const SetupRec* record);

    SetupRec* GetAt(int position) const;
    int GetCount() const { return static_cast<int>(m_records.size()); }
    // A share of that record, null when it is not in the list. A command
    // that waits on the instrument holds one, so that a record removed
    // meanwhile lives until the command lets go of it.
    std::shared_ptr<SetupRec> Share(const SetupRec* record) const;
    // The record's position in the list, -1 when it is not there.
    int IndexOf(const SetupRec* record) const;

private:
    bool Find(const std::string& name, int type, bool instrument, int& index) const;
    // Lets the view drop the pages of record, then lets go of it.
    void DropPagesAndDelete(std::shared_ptr<SetupRec> record);

    std::vector<std::shared_ptr<SetupRec>> m_records;
    RemovePagesHook m_removePages;
};
