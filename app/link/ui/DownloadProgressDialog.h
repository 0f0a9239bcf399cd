#pragma once
// "Downloading Measurement": a modeless window in front of the disabled main
// window while measurements are downloaded. Shows the status, the byte
// count, the measurement number, a progress bar and a stall warning, and
// carries the Cancel button that the transfer polls.
#include <QDialog>
#include <QPointer>
#include <array>
#include <string>

#include "DownloadMonitor.h"

class QLabel;
class QProgressBar;
class QPushButton;
class SlmLink;

class DownloadProgressDialog : public QDialog, public DownloadProgress {
    Q_OBJECT
public:
    // cancelFlag: the caller's flag, set to 1 by Cancel.
    DownloadProgressDialog(SlmLink* link, int* cancelFlag, QWidget* parent = nullptr);
    ~DownloadProgressDialog() override;

    void SetStatusText(const std::string& text) override;
    void SetMeasurementText(const std::string& text) override;
    void SetByteCountText(const std::string& text) override;
    void SetProgress(int percent) override;
    void ShowStall(bool on) override;
    bool IsCancelRequested() const override { return cancelFlag_ && *cancelFlag_ != 0; }
    void SendCancel() override;
    long GetExpectedBytes() override;
    void PumpMessages() override;

    // The measurement being fetched (not owned; opaque to the dialog).
    void SetMeasRec(const void* record) { measRec_ = record; }
    void DisableCancel();
    void WaitSeconds(int seconds);

protected:
    void OnCancel();
    void reject() override { OnCancel(); }
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int* cancelFlag_;
    QLabel* byteCount_;
    QLabel* measurement_;
    QLabel* status_;
    QProgressBar* progress_;
    std::array<QLabel*, 4> stall_{};
    const void* measRec_ = nullptr;
    SlmLink* link_;
    QPointer<QWidget> mainWindow_;  // the window this dialog disabled
    QPushButton* cancel_;
};
