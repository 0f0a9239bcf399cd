#pragma once
// The document: lives as long as the program, keeps the list of the views
// that show it, and carries out the commands that depend on the document's
// state (which view is shown, what is selected, whether an instrument is
// connected). The instrument link, the setup lists and the measurement
// directory join it with the instrument commands.
#include <ctime>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "CDocument.h"
#include "CSetupMessages.h"
#include "CommandState.h"
#include "ConnectDialog.h"
#include "MeasMgrJ46.h"
#include "ReportHost.h"
#include "SetupDocument.h"
#include "SetupMgrJ46.h"

class CView;
class CSdiView;
class CDataReport;
class CMainFrame;
class CMeasView;
class DownloadMonitor;
class MeasDataSet;
struct DownloadOptions;

class SerialPort;
class SlmLink;

class CSdiDoc : public QObject, public CDocument, public ConnectTarget, public ReportHost, public SetupDocument {
    Q_OBJECT
public:
    explicit CSdiDoc(QObject* parent = nullptr);
    ~CSdiDoc() override;
    CSdiDoc(const CSdiDoc&) = delete;
    CSdiDoc& operator=(const CSdiDoc&) = delete;

    // The Setup view, kept even while it is out of the view list.
    void SetSdiView(CSdiView* view) { sdiView_ = view; }
    CSdiView* GetSdiView() const { return sdiView_; }
    // The report view of the Translate view, null when it is not shown.
    CDataReport* GetReportView() const;

    void SetFrame(CMainFrame* frame) { frame_ = frame; }
    CMainFrame* GetFrame() const { return frame_; }

    // What the report view asks of the program: the start folder of the
    // program running (empty before it starts) and the frame's RT60 bands.
    std::string StartFolder() const override;
    void ShowRt60Bands(bool thirdOctave) override;

    bool IsSetupViewActive() const override;
    bool IsDownloadViewActive() const;
    bool IsTranslateViewActive() const;
    bool IsTreeViewFirst() const;
    ActiveView GetActiveView() const;

    // "Connected" means the instrument link exists.
    bool IsConnected() const { return link_ != nullptr; }
    SlmLink* GetLink() const { return link_.get(); }
    SerialPort* GetPort() const { return port_.get(); }
    int GetBaudRate() const { return baudRate_; }
    // The instrument's active setup is this one (name without regard to
    // case, and type code); false when not connected.
    bool IsActiveInstrumentSetup(const std::string& name, int type) const;

    // Connect and disconnect.
    int ConnectInstrument(int portNumber, int baudRate) override;
    void SetBaudAndConnect(int baudRate);
    void Disconnect();
    bool CheckIdentification() const;
    bool CheckFirmwareVersion() const;
    // The instrument's system settings into the setup list: 0, or -1 when
    // none could be read.
    int ReloadSystemSetup();
    // The Setup view lists the whole setup list again.
    void RebuildSetupView();
    // Lets waiting window messages run; false when the program is ending.
    bool PumpWaitingMessages();

    // The instrument as the setup pages see it.
    std::string GetActiveSetupName() const override;
    int GetInstrumentSetupType() const override;
    int GetInstrumentClock(int& year, int& month, int& day, int& hour, int& minute, int& second) const override;
    int SetInstrumentClock(std::time_t localTime) override;
    int SetInstrumentClockFromPC() override;

    SetupMgrJ46& GetSetupList() { return setups_; }
    const CSetupMessages& Messages() const { return messages_; }
    const std::string& GetFirmwarePath() const { return firmwarePath_; }

    // The instrument's measurement directory (CSdiDocMeasDir.cpp) and the
    // download (CSdiDocDownload.cpp).
    CMeasView* GetMeasView() const;
    MeasMgrJ46& GetMeasurementList() { return measurements_; }
    int RefreshMeasurementList();
    void AddActiveMeasurement();
    void FillActiveMeasurement(MeasRec& entry);
    static bool ConvertInstrumentTime(const std::string& in, std::string& out);
    std::string GetInstrumentSetupExtension() const;
    void DownloadMeasurements(uint32_t selectedCount, const std::string& baseName, const DownloadOptions& request);
    // The monitor of the transfer that is running, else null.
    DownloadMonitor* GetDownloadMonitor() const { return monitor_; }

    // What one download command leaves for the reports written after it:
    // the file the data was received into, and per measurement that reached
    // the transfer its target path and its second temporary file (which holds
    // the download file when the binary data is not kept).
    struct DownloadRun {
        std::string received;
        std::vector<std::string> targets;
        std::vector<std::string> seconds;
        // Beside each target: the file this run wrote for it (the target or
        // the second temporary file), empty when its download failed.
        std::vector<std::string> written;
        bool downloaded = false;
    };
    // Writes the chosen reports of each measurement downloaded in this run,
    // from the file the run wrote, and opens the first report file written.
    void WriteDownloadReports(const DownloadRun& run, const DownloadOptions& request);
    // One report of a downloaded measurement into out: its title, the file
    // header when header is set, then the report (CSdiDocDownloadReports.cpp).
    static void WriteDownloadReport(std::ostream& out, int reportType, int setupType, int format, MeasDataSet& data,
                                    const std::string& name, bool header);

    // Opens a file named on the command line as the document; false when it
    // cannot be read.
    bool OnOpenDocument(const std::string& path);

    // Command routing: true when the document handles the command.
    bool OnCommand(int id);
    // Sets the state of the commands whose state the document decides.
    // Make Setup Current also brings the selected setup's current marker in
    // step with the instrument.
    void OnUpdateCommand(CmdUI& ui);
    bool HasCommandHandler(int id) const;

    // View commands.
    void OnSetupView();
    void OnDownloadView();
    void OnTranslateView();
    void OnExportData();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnViewDataInSpreadsheet();

    // Instrument commands that arrive with the link.
    void OnConnect();
    // Run, stop, purge and firmware (CSdiDocInstrumentCommands.cpp).
    void OnRunInstrument();
    void OnStopInstrument();
    void OnPurgeAll();
    void OnUpgradeFirmware();
    void UpgradeAtStartup(const std::string& firmwarePath);

    // Setup commands: files and new setups (CSdiDocSetupFiles.cpp), the
    // instrument's setups (CSdiDocInstrumentSetups.cpp).
    static bool IsSetupCommand(int id);
    bool OnSetupCommand(int id);
    void OnOpenSetupFile();
    void OnNewSetup();
    // Keeps a type code of 5 to 10 as the next new setup's type.
    void SetNewSetupType(int type);
    int GetNewSetupType() const { return newSetupType_; }
    void OnSaveSetupToFile();
    void OnCloseSetup();
    void OnCloseAllSetups();
    void OnCreateSetupFromDownload();
    // Each row of the Setup view takes the image of its setup.
    void RefreshSetupImages();
    void OnGetSetups();
    void OnSaveSetupToInstrument();
    // The Store Setup dialog's OK: non-zero when the setup was stored under
    // name (the dialog closes), 0 when another name is wanted.
    int StoreSetupAs(const std::string& name);
    void OnRenameSetup();
    // The Rename Setup dialog's OK: 0 when the setup was renamed.
    int RenameSetup(const std::string& name);
    void OnMakeSetupCurrent();
    void OnLockSetup();
    void OnUnlockSetup();
    void OnDeleteSetup();
    // Sends the record's setup to the instrument with its lock flag: 0 or
    // more on success, -6 without a connection.
    int StoreSetupInInstrument(SetupRec& record);
    // The block format version the instrument's firmware takes, from the
    // revision read at connect; 0 while that is unknown.
    int GetSetupFormatVersion() const;
    // A store refused because the firmware revision is unknown (its message
    // was shown).
    static constexpr int kFirmwareUnknown = -227;
    static constexpr const char* kFirmwareUnknownText =
        "The J57 firmware version could not be read.\nPlease connect to the J57 again.";
    const std::string& GetInstrumentMessage() const { return instrumentMessage_; }

    // What the state of command id depends on; the instrument is never asked
    // here: Rename Setup and Make Setup Current take the answer of the last
    // AskInstrumentActiveSetup.
    CommandContext MakeCommandContext(int id) const;
    // Asks the instrument its active setup (name and application), once per
    // opening of the Setups menu or the setup list's context menu, and only
    // when an instrument setup is selected. Nothing is asked while the link's
    // last command failed: the answer stays unknown, which leaves both
    // commands enabled (the command itself then reports the failure).
    void AskInstrumentActiveSetup();
    // Forgets the answer: a command may change the instrument's active setup.
    void ForgetInstrumentActiveSetup() { activeAnswer_ = {}; }

private:
    std::shared_ptr<MeasRec> MakeActiveEntry();
    // A command the instrument did not carry out: a short message with the
    // failure's text ("No response from instrument").
    void ShowLinkFailure(int result) const;
    std::string DownloadTarget(CMeasView& view, MeasRec& entry, uint32_t selectedCount,
                               const std::string& baseName) const;

    MeasMgrJ46 measurements_{true};
    DownloadMonitor* monitor_ = nullptr;
    SetupMgrJ46 setups_;
    CSdiView* sdiView_ = nullptr;
    ConnectDialog* connectDialog_ = nullptr;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<SlmLink> link_;
    CSetupMessages messages_;
    std::string firmwarePath_;
    int baudRate_ = 0;
    int newSetupType_ = 2;
    std::string instrumentMessage_;  // reply of the last directory command
    struct ActiveSetupAnswer {
        bool known = false;
        std::string name;  // trailing blanks removed
        int type = 0;
    };
    ActiveSetupAnswer activeAnswer_;
    CMainFrame* frame_ = nullptr;

    // A setup file that passed its checks becomes a new record appended to
    // the setup list and the Setup view; messages name the failures.
    enum class SetupFileUse { Open, Default };
    void AddSetupFromFile(const std::string& path, const std::string& fileName, SetupFileUse use);
    // The selected setup and its row; null when none.
    SetupRec* SelectedSetup(int& index) const;
    // The Setup view's row of record, -1 when it has none (looked up again
    // after each wait, since rows may have changed meanwhile).
    int SetupRow(const SetupRec* record) const;
    // The mode's upload: a copy of the block with the format version and its
    // rules goes to the instrument; the setup itself is not changed.
    int UploadModeSetup(const NamedSetup& setup, int type);
    int UploadSystemSetup(const SYSSetup& setup);
    void ShowStoreResult(int result) const;
    // Shows why and returns true when the firmware revision is unknown.
    bool RefuseUnknownFirmware() const;
    // Lock or Unlock Setup on the selected instrument setup.
    void ChangeLock(bool lock);
    // The list image of the instrument's active setup.
    static constexpr int kCurrentSetupImage = 5;
    void KeepCurrentMarkerInStep(const CommandContext& ctx);
};
