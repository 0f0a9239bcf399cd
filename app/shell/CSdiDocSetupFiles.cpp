// The document's setup commands on files: open a setup file, make a new
// setup from a default setup file, save a setup to a file, close setups, and
// the development folder's setup from a download file.
#include <filesystem>
#include <fstream>

#include "CSdiApp.h"
#include "CMainFrame.h"
#include "CSdiDoc.h"
#include "CSdiView.h"
#include "CDataReport.h"
#include "CommandIds.h"
#include "DevelopmentFolder.h"
#include "Files.h"
#include "MeasDataSet.h"
#include "NewSetupTypeDlg.h"
#include "Prompter.h"
#include "SetupTypes.h"

namespace {

using Msg = CSetupMessages::Msg;

constexpr int kMinimumFileVersion = 2;

const char kOpenFilter[] =
    "All Types CVJ57 Setup files|*.ssa;*.ism;*.log;*.rta;*.fft;*.tal|"
    "Ssa (*.ssa) Simple Sound Analyzer Setup|*.ssa|"
    "Ism (*.ism) Integr. Sound Level Meter Setup|*.ism|"
    "Log (*.log) Logging Sound Level Meter Setup|*.log|"
    "Rta (*.rta) Real-Time Analyzer Setup|*.rta|"
    "Fft (*.fft) FFT Analyzer Setup|*.fft|"
    "Tal (*.tal) ZU-Reru Analyzer Setup|*.tal|"
    "All Files (*.*)|*.*||";

// The messages of a refused file: an opened file, or the default file of a
// new setup.
struct FileMessages {
    Msg missing, damaged, version, type;
};
const FileMessages kOpenMessages{Msg::CannotOpen, Msg::NotASetupFile, Msg::FileVersion, Msg::InvalidType};
const FileMessages kDefaultMessages{Msg::MissingDefaultFile, Msg::DamagedDefaultFile, Msg::DefaultFileVersion,
                                    Msg::ShortDamagedDefaultFile};

}  // namespace

bool CSdiDoc::IsSetupCommand(int id)
{
    switch (id) {
    case cmd::NewSetup:
    case cmd::OpenSetupFile:
    case cmd::SaveSetupToFile:
    case cmd::CloseSetup:
    case cmd::CloseAllSetups:
    case cmd::CreateSetupFromDownload:
    case cmd::GetSetups:
    case cmd::SaveSetupToJ57:
    case cmd::RenameSetup:
    case cmd::MakeSetupCurrent:
    case cmd::LockSetup:
    case cmd::UnlockSetup:
    case cmd::DeleteSetup:
    case cmd::PurgeAll:
    case cmd::UpgradeFirmware:
        return true;
    default:
        return false;
    }
}

bool CSdiDoc::OnSetupCommand(int id)
{
    switch (id) {
    case cmd::NewSetup: OnNewSetup(); return true;
    case cmd::OpenSetupFile: OnOpenSetupFile(); return true;
    case cmd::SaveSetupToFile: OnSaveSetupToFile(); return true;
    case cmd::CloseSetup: OnCloseSetup(); return true;
    case cmd::CloseAllSetups: OnCloseAllSetups(); return true;
    case cmd::CreateSetupFromDownload: OnCreateSetupFromDownload(); return true;
    case cmd::GetSetups: OnGetSetups(); return true;
    case cmd::SaveSetupToJ57: OnSaveSetupToInstrument(); return true;
    case cmd::RenameSetup: OnRenameSetup(); return true;
    case cmd::MakeSetupCurrent: OnMakeSetupCurrent(); return true;
    case cmd::LockSetup: OnLockSetup(); return true;
    case cmd::UnlockSetup: OnUnlockSetup(); return true;
    case cmd::DeleteSetup: OnDeleteSetup(); return true;
    case cmd::PurgeAll: OnPurgeAll(); return true;
    case cmd::UpgradeFirmware: OnUpgradeFirmware(); return true;
    default: return false;
    }
}

void CSdiDoc::AddSetupFromFile(const std::string& path, const std::string& fileName, SetupFileUse use)
{
    const FileMessages& msgs = use == SetupFileUse::Open ? kOpenMessages : kDefaultMessages;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        if (use == SetupFileUse::Open)
            messages_.Show(msgs.missing, {path});
        else
            messages_.Show(msgs.missing);
        return;
    }
    if (!SetupRec::CheckFileCrc(file)) {
        messages_.Show(msgs.damaged, {path});
        return;
    }
    const int type = SetupRec::GetFileSetupType(file);
    int version = 0;
    if (!SetupRec::CheckFileVersion(kMinimumFileVersion, version, file)) {
        messages_.Show(msgs.version, {kMinimumFileVersion, version, path});
        return;
    }
    if (!SetupType::IsEditableMeasurement(type)) {
        messages_.Show(msgs.type, {path});
        return;
    }
    auto record = std::make_unique<SetupRec>();
    record->SetType(type);
    file.clear();
    file.seekg(0);
    record->Serialize(file);
    record->SetOrigin(use == SetupFileUse::Open ? SetupOrigin::kFile : SetupOrigin::kNew);
    record->SetPath(path);
    record->SetFileName(fileName);
    SetupRec* added = record.get();
    setups_.AddTail(std::move(record));
    if (sdiView_)
        sdiView_->AddSetup(added);
}

void CSdiDoc::OnOpenSetupFile()
{
    platform::FileRequest request;
    request.caption = "Select Setup File to Open";
    request.filter = kOpenFilter;
    request.defaultExt = "ssa";
    const std::optional<std::string> path = platform::AppPrompter().ChooseFile(request);
    if (!path)
        return;
    AddSetupFromFile(*path, platform::FileNameOf(*path), SetupFileUse::Open);
}

void CSdiDoc::SetNewSetupType(int type)
{
    if (SetupType::IsEditableMeasurement(type))
        newSetupType_ = type;
}

void CSdiDoc::OnNewSetup()
{
    NewSetupTypeDlg dialog(this, newSetupType_, frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::string extension;
    GetSetupFileExtension(SetupType::IsEditableMeasurement(newSetupType_) ? newSetupType_ : SetupType::kSsa,
                          extension);
    const CSdiApp* app = CSdiApp::Instance();
    const std::string startDir = app ? app->GetStartDir() : std::string();
    const std::string fileName = "default" + extension;
    std::string path = startDir.empty() ? fileName : startDir + "/" + fileName;
    // A default file of the user's own in the start folder comes first; the
    // ones installed with the program stand behind it.
    const std::string programDir = app ? app->GetProgramDir() : std::string();
    auto exists = [](const std::string& file) {
        std::error_code error;
        return std::filesystem::is_regular_file(file, error);
    };
    if (!exists(path) && !programDir.empty() && exists(programDir + "/" + fileName))
        path = programDir + "/" + fileName;
    AddSetupFromFile(path, fileName, SetupFileUse::Default);
}

void CSdiDoc::OnSaveSetupToFile()
{
    if (!sdiView_)
        return;
    SetupRec* record = sdiView_->GetSelectedSetup();
    if (!record || !SetupType::IsEditableMeasurement(record->GetType()))
        return;
    const int index = sdiView_->GetSelectedIndex();
    platform::FileRequest request;
    request.save = true;
    request.caption = "Save Setup to a File";
    GetSetupFileFilter(record->GetType(), request.filter);
    std::string extension;
    GetSetupFileExtension(record->GetType(), extension);
    request.defaultExt = extension.substr(1);
    request.initialPath = record->GetName();
    const std::optional<std::string> path = platform::AppPrompter().ChooseFile(request);
    if (!path)
        return;
    // A page that refused a value would leave the setup half saved.
    if (std::string page; !sdiView_->SaveSetupPages(&page)) {
        messages_.Show(Msg::PageNotSaved, {page});
        return;
    }
    if (record->WriteFile(*path) != SetupWriteResult::Written) {
        messages_.Show(Msg::CannotCreate, {*path});
        return;
    }
    record->SetOrigin(SetupOrigin::kFile);
    sdiView_->UpdateSetupItem(index, record);
}

void CSdiDoc::OnCloseSetup()
{
    if (!IsSetupViewActive() || !sdiView_)
        return;
    const int index = sdiView_->GetSelectedIndex();
    if (index < 0 || !sdiView_->GetSelectedSetup())
        return;
    if (SetupRec* record = sdiView_->RemoveSetupAt(index))
        setups_.Remove(record);
}

void CSdiDoc::OnCloseAllSetups()
{
    if (!sdiView_)
        return;
    while (sdiView_->GetSetupCount() > 0) {
        SetupRec* record = sdiView_->RemoveSetupAt(0);
        if (!record)
            break;
        setups_.Remove(record);
    }
}

void CSdiDoc::RefreshSetupImages()
{
    if (!sdiView_)
        return;
    for (int i = 0; i < setups_.GetCount(); ++i)
        sdiView_->SetSetupImage(i, setups_.GetAt(i)->GetImageIndex());
}

// Development entry: reads the setup recorded in the development folder's
// download file. The setup reader starts the translation and reads no
// record, so it never hands back a setup: an old J57 file gets the firmware
// warning, anything else the reader's result, and no setup file is written.
void CSdiDoc::OnCreateSetupFromDownload()
{
    const std::string path = DevelopmentDownloadFile();
    MeasDataSet data;
    float version = 0.0f;
    const int result = data.ReadSetupOnly(path, &version);
    if (result == MeasDataSet::kUnsupportedFirmware)
        platform::AppPrompter().Message(CDataReport::UnsupportedFirmwareText(path, version));
    else
        platform::AppPrompter().Message("Unable to read setup from download file; err = " + std::to_string(result));
}
