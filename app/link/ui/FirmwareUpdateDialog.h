#pragma once
// "Firmware Update": replaces the instrument's firmware from an upgrade file
// and its ROM image, or restores its basic calibration from a backup file.
#include <QDialog>
#include <string>

#include "FirmwareFile.h"
#include "FirmwareUpdater.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class SlmLink;

class FirmwareUpdateDialog : public QDialog, public FirmwareUi {
    Q_OBJECT
public:
    explicit FirmwareUpdateDialog(QWidget* parent = nullptr);

    void SetFilePath(const std::string& folder) { folder_ = folder; }
    void ReadInstrumentInfo(SlmLink* link);
    // Reads an upgrade file; shows its version, enables Start.
    bool ReadFirmwareFile(const std::string& path);
    bool ReadCalibrationFile(const std::string& path);

    void SetStatus(const std::string& text) override;
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int position) override;
    void StepProgress() override;
    void EnableWindow(bool on) override { setEnabled(on); }
    void Pump() override;
    bool IsCancelled() const override { return cancelled_; }
    void Cancel() override;

    const std::string& Model() const { return model_; }
    const std::string& Serial() const { return serial_; }

    void OnInitDialog();
    void OnBrowse();
    void OnStart();

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void SetFileText(const std::string& text);

    QPushButton* browse_;
    QPushButton* start_;
    QPushButton* cancel_;
    QCheckBox* apply_;
    QProgressBar* progress_;
    QLabel* fileText_;
    QLabel* statusText_;
    SlmLink* link_ = nullptr;
    std::string model_;
    std::string serial_;
    std::string version_;
    std::string romPath_;
    std::string folder_;
    bool initialised_ = false;
    bool running_ = false;
    bool cancelled_ = false;
    bool calibration_ = false;  // which reader succeeded last
    firmware::CalibrationValues values_;
};
