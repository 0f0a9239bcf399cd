#pragma once
// The Download view's list of measurements: one column "Measurements",
// full-row selection, several rows selectable, the selection kept visible
// without the focus. Each row holds its MeasRec; the list shares the entries
// with the document's directory and the download page's selection. A row's
// picture is its state image (stored file or active measurement) followed by
// the small image of its measurement type.
#include <vector>

#include <QListWidget>
#include <QPersistentModelIndex>

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
    // The row's state image (MeasListImages) and small image (the type
    // code); 0 outside the list.
    int GetStateImage(int index) const;
    int GetTypeImage(int index) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Reselect();

    std::vector<MeasMgrJ46::Entry> records_;
    QPersistentModelIndex reselect_;  // row to select again after a click on empty space
};
