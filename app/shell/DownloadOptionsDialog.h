#pragma once
// "Download": asked before a download of one measurement type. Whether the
// received data is kept as a download file, whether it is translated into
// reports and opened in a viewer (spreadsheet or text) and which reports.
// Every choice is kept in the profile: the switches in "Download", the
// report checks in "TranslateOptions" followed by the mode name.
#include <cstdint>
#include <vector>

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class DownloadOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // One report a mode offers: its list text (also its profile key) and
    // its report type.
    struct ReportEntry {
        const char* key;
        uint16_t report;
    };
    struct ModeReports {
        int type;
        const char* mode;
        std::vector<ReportEntry> entries;
    };
    // The table of a setup type code; null for a type without reports.
    static const ModeReports* FindMode(int type);

    explicit DownloadOptionsDialog(QWidget* parent = nullptr);

    void SetMeasurementType(int type) { measurementType_ = type; }
    int GetMeasurementType() const { return measurementType_; }
    int exec() override;

    // The choices once the dialog was accepted.
    int GetSaveBinary() const { return saveBinary_; }
    int GetLaunch() const { return launch_; }
    int GetSpreadsheet() const { return spreadsheet_; }
    int GetText() const { return text_; }
    const std::vector<uint16_t>& GetReports() const { return reports_; }

    // kLoad reads the check of each report of the type from the profile;
    // kSave takes the list's checks, collects the checked reports and writes
    // the checks.
    enum { kLoad = 1, kSave = 2 };
    void LoadSaveReports(int type, int operation);

    void accept() override;

private:
    void UpdateControls();
    void SetAllChecks(bool checked);
    bool AnyChecked() const;

    int measurementType_ = 0;
    int saveBinary_;
    int launch_;
    int spreadsheet_;
    int text_;
    std::vector<uint16_t> reports_;
    std::vector<int> checks_;  // per entry of the type's table

    QCheckBox* saveBinaryBox_;
    QCheckBox* launchBox_;
    QRadioButton* spreadsheetButton_;
    QRadioButton* textButton_;
    QLabel* listLabel_;
    QListWidget* reportList_;
    QPushButton* okButton_;
};
