#pragma once
// The report view: the right pane of the Translate view, which shows the data
// of the download file item selected in the file tree as report lines.
//
// Stand-in: offers the view's operations, remembers the data item it was
// given, and shows no report yet; the report layouts come with the report
// view itself.
#include <string>

#include <QAbstractScrollArea>

#include "CView.h"

class CDataReport : public QAbstractScrollArea, public CView {
    Q_OBJECT
public:
    CDataReport(CSdiDoc* doc, QWidget* parent);

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    // Takes the file tree's selection; only data items of download files.
    void OnUpdate(CView* sender, const ViewHint* hint) override;

    void ClearData();
    bool HasReport() const { return false; }
    void ExportData() {}
    void FilePrint() {}
    void FilePrintPreview() {}
    void ViewDataInSpreadsheet() {}

    // The download file and the item label of the last data item selected.
    const std::string& FilePath() const { return filePath_; }
    const std::string& ItemLabel() const { return itemLabel_; }

private:
    std::string filePath_;
    std::string itemLabel_;
};
