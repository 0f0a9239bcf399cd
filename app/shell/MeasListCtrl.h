#pragma once
// The Download view's list of measurements: one column "Measurements",
// full-row selection, several rows selectable, the selection kept visible
// without the focus. Each row holds its MeasRec; the list shares the entries
// with the document's directory and the download page's selection.
#include <vector>

#include <QListWidget>

#include "MeasMgrJ46.h"

class MeasListCtrl : public QListWidget {
    Q_OBJECT
public:
    explicit MeasListCtrl(QWidget* parent = nullptr);

    // Appends a row; its index.
    int AddRecord(MeasMgrJ46::Entry record);
    // Puts a row at index (0 to the row count); its index.
    int InsertRecord(int index, MeasMgrJ46::Entry record);
    // The row's record, null outside the list.
    MeasMgrJ46::Entry RecordAt(int index) const;
    void RemoveRecord(int index);
    void RemoveAllRecords();
    // Shows the row's record again (its list text).
    void RefreshRow(int index);
    // The selected rows, in list order.
    std::vector<int> SelectedRows() const;

private:
    std::vector<MeasMgrJ46::Entry> records_;
};
