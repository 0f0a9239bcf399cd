#pragma once
// The Download view: the instrument's list of measurements, the file type
// filter above it and the download sheet beside it. Made each time it is
// entered and destroyed when left; the type filter lives in the profile
// ("Download"/"Type") between the two.
#include <string>

#include <QWidget>

#include "CView.h"
#include "MeasMgrJ46.h"

class CSdiDoc;
class QComboBox;
class MeasListCtrl;
class PropSheetDownload;
class PropPageDownload;

class CMeasView : public QWidget, public CView {
    Q_OBJECT
public:
    // The filter entry that lists every measurement, fetched in binary form.
    static constexpr int kAllBinary = 101;

    CMeasView(CSdiDoc* doc, QWidget* parent);
    ~CMeasView() override;
    QWidget* Widget() override { return this; }
    // The program's document this view was made for.
    CSdiDoc* GetDocument() const;
    void OnInitialUpdate() override;

    // Appends a record that passes the type filter; its row, or -1 when it
    // is filtered out. position must be -1 (0 is returned for any other).
    int AddMeasurement(MeasMgrJ46::Entry record, int position = -1);
    // A new active measurement in place of the active one in row 0. When
    // row 0 holds a stored file (no active row, or it was filtered out), the
    // new one is put before it if it passes the filter; no stored file's row
    // is ever dropped.
    void ReplaceFirstMeasurement(MeasMgrJ46::Entry record);
    void SelectMeasurement(int index);
    // The next selected record after position (start with -1); position
    // becomes its row. Null when there is none.
    MeasMgrJ46::Entry GetNextSelected(int& position) const;
    std::string GetDownloadPath() const;
    std::string GetLocation() const;
    std::string GetNote1() const;
    std::string GetNote2() const;
    int GetMeasurementCount() const;
    void ClearStatus();
    void ShowProgress(int number, int count);
    // The page shows its selection again (a download mark, for one).
    void RefreshPage();

    int GetTypeFilter() const { return typeFilter_; }
    MeasListCtrl* GetList() const { return list_; }
    PropSheetDownload* GetSheet() const { return sheet_; }
    PropPageDownload* GetPage() const;
    QComboBox* GetTypeCombo() const { return typeCombo_; }

private:
    bool PassesFilter(const MeasRec& record) const;
    void OnTypeChanged(int comboIndex);
    void OnSelectionChanged();

    QComboBox* typeCombo_;
    MeasListCtrl* list_;
    PropSheetDownload* sheet_;
    int typeFilter_;
};
