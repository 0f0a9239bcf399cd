// The document's setup commands with the instrument: get every setup, store
// one (under its own or another name), rename, make current, lock, unlock
// and delete setups in the instrument's setup directory.
#include <array>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "CMainFrame.h"
#include "CSdiDoc.h"
#include "CSdiView.h"
#include "Clock.h"
#include "ProgressDialog.h"
#include "Prompter.h"
#include "QtPlatform.h"
#include "SerialPort.h"
#include "SetupDirList.h"
#include "SetupExistsDialog.h"
#include "SetupNameDialog.h"
#include "SetupTypes.h"
#include "SlmLink.h"

namespace {

using Msg = CSetupMessages::Msg;

// The instrument's file name of a setup: name and extension in capitals.
std::string InstrumentKey(const SetupRec& record, const std::string& name)
{
    std::string extension;
    return name + record.GetTypeExtUpper(extension);
}

struct EntryFlags {
    bool present = false;
    bool permanent = false;
    bool locked = false;
    bool active = false;
    int failure = 0;  // the look-up got no answer: nothing is known
};

EntryFlags LookUp(SetupDirList& directory, const std::string& key)
{
    EntryFlags flags;
    flags.present = directory.GetEntryFlags(key, flags.permanent, flags.locked, flags.active);
    if (!flags.present)
        flags.failure = directory.GetLookUpResult();
    return flags;
}

// The mode's setup object of a record; null for the system setup and types
// without one.
NamedSetup* ModeSetupOf(SetupRec& record)
{
    switch (record.GetType()) {
    case SetupType::kOba: return record.GetOBASetup();
    case SetupType::kSsa: return record.GetSSASetup();
    case SetupType::kIsm: return record.GetISMSetup();
    case SetupType::kLog: return record.GetLOGSetup();
    case SetupType::kTal: return record.GetTALSetup();
    case SetupType::kFft: return record.GetFFTSetup();
    case SetupType::kRta: return record.GetRTASetup();
    default: return nullptr;
    }
}

// Older firmware reads some fields of a block elsewhere: the block that is
// sent is brought to the layout of its format version.
void ApplyUploadRules(int type, int version, uint8_t* block)
{
    switch (type) {
    case SetupType::kLog:
        if (version == 2) {
            block[183] = block[184];
            block[184] = block[186];
        }
        break;
    case SetupType::kSsa:
        if (version == 2)
            block[103] = 0;
        break;
    case SetupType::kRta:
        if (version < 4) {
            if (block[130] >= 4)
                block[130] = 3;
            else if (block[130] == 2 || block[130] == 3)
                block[130] = 2;
        }
        break;
    case SetupType::kFft:
        if (version < 4) {
            if (block[78] == 1)
                block[47] |= 0x80;
            else
                block[47] &= 0x7F;
        }
        break;
    default: break;
    }
}

// The block of a directory entry as a record of its mode; null for a mode
// the program does not edit.
std::unique_ptr<SetupRec> RecordOfBlock(const uint8_t* block)
{
    struct Mode {
        int number;
        int type;
        void (SetupRec::*load)(const uint8_t*, size_t);
        size_t size;
    };
    static const Mode kModes[] = {
        {0, SetupType::kSsa, &SetupRec::LoadSSASetup, 219}, {1, SetupType::kIsm, &SetupRec::LoadISMSetup, 219},
        {2, SetupType::kLog, &SetupRec::LoadLOGSetup, 219}, {4, SetupType::kRta, &SetupRec::LoadRTASetup, 216},
        {5, SetupType::kFft, &SetupRec::LoadFFTSetup, 219}, {7, SetupType::kTal, &SetupRec::LoadTALSetup, 219},
    };
    for (const Mode& mode : kModes) {
        if (block[39] != mode.number)
            continue;
        auto record = std::make_unique<SetupRec>();
        record->SetType(mode.type);
        (record.get()->*mode.load)(block, mode.size);
        return record;
    }
    return nullptr;
}

}  // namespace

int CSdiDoc::SetupRow(const SetupRec* record) const
{
    return sdiView_ && record ? sdiView_->IndexOfSetup(record) : -1;
}

SetupRec* CSdiDoc::SelectedSetup(int& index) const
{
    index = -1;
    if (!sdiView_)
        return nullptr;
    SetupRec* record = sdiView_->GetSelectedSetup();
    if (record)
        index = sdiView_->GetSelectedIndex();
    return record;
}

int CSdiDoc::GetSetupFormatVersion() const
{
    if (!link_ || !link_->IsFirmwareVersionKnown())
        return 0;
    const double revision = link_->GetFirmwareVersion();
    if (revision <= 2.01)
        return 2;
    if (revision < 3.112)
        return 3;
    if (revision < 3.6)
        return 4;
    return 5;
}

int CSdiDoc::UploadModeSetup(const NamedSetup& setup, int type)
{
    if (!port_ || !link_)
        return SlmLink::NOT_CONNECTED;
    platform::WaitCursor wait;
    const uint8_t* block = setup.GetSetupBlock();
    if (!block)
        return SetupDirList::SEND_WRONG_COUNT;
    SetupDirList directory(port_.get());
    std::array<uint8_t, SetupDirList::kSetupSize> buffer{};
    std::memcpy(buffer.data(), block, std::min(setup.BlockSize(), buffer.size()));
    const int version = GetSetupFormatVersion();
    buffer[0] = static_cast<uint8_t>(version);
    ApplyUploadRules(type, version, buffer.data());
    const int result = directory.StoreSetup(buffer.data());
    instrumentMessage_ = directory.GetReplyText();
    if (result >= 0 && version == 2 && (type == SetupType::kLog || type == SetupType::kSsa)) {
        char text[400];
        std::snprintf(text, sizeof text,
                      "Out-of-date firmware version (%.3f or earlier) found\nwhile storing the setup on the J57.\n"
                      "The store succeeded, but Morvek Audio recommends that you\nupgrade the firmware to the newest "
                      "version.\n\nPlease contact Morvek Audio or your local representative.",
                      2.01);
        wait.Restore();
        platform::AppPrompter().Message(text);
    }
    return result;
}

int CSdiDoc::UploadSystemSetup(const SYSSetup& setup)
{
    if (!port_ || !link_)
        return SlmLink::NOT_CONNECTED;
    platform::WaitCursor wait;
    const uint8_t* block = setup.GetSetupBlock();
    if (!block)
        return SetupDirList::SEND_WRONG_COUNT;
    std::array<uint8_t, SetupDirList::kSystemSize> copy{};
    std::memcpy(copy.data(), block, std::min(setup.BlockSize(), copy.size()));
    copy[0] = static_cast<uint8_t>(GetSetupFormatVersion());
    SetupDirList directory(port_.get());
    directory.SetSystemSettings(copy.data());
    const int result = directory.WriteSystemSettings();
    instrumentMessage_ = directory.GetReplyText();
    return result;
}

bool CSdiDoc::RefuseUnknownFirmware() const
{
    if (!link_ || link_->IsFirmwareVersionKnown())
        return false;
    platform::AppPrompter().Message(kFirmwareUnknownText, platform::Icon::Warning);
    return true;
}

int CSdiDoc::StoreSetupInInstrument(SetupRec& record)
{
    if (!link_ || !port_)
        return SlmLink::NOT_CONNECTED;
    // Without the firmware revision the block's layout would be a guess.
    if (RefuseUnknownFirmware())
        return kFirmwareUnknown;
    platform::WaitCursor wait;
    if (record.IsSystemSetup()) {
        const SYSSetup* system = record.GetSYSSetup();
        int result = system ? UploadSystemSetup(*system) : SetupDirList::SEND_WRONG_COUNT;
        if (result == 0)
            result = link_->SetParam207(record.GetParam207());
        return result;
    }
    NamedSetup* setup = ModeSetupOf(record);
    if (!setup)
        return SetupDirList::SEND_WRONG_COUNT;
    setup->SetLocked(record.IsLocked() ? 1 : 0);
    return UploadModeSetup(*setup, record.GetType());
}

// The instrument's refusals have their own texts; any other failure shows
// the general one with the code's text, so that no failed store passes
// without a word.
void CSdiDoc::ShowStoreResult(int result) const
{
    if (result >= 0 || result == kFirmwareUnknown)
        return;
    std::string text;
    switch (result) {
    case SetupDirList::SEND_REJECTED: text = "Instrument unable to accept setup"; break;
    case SetupDirList::SEND_NOT_READY:
        text = !instrumentMessage_.empty() ? instrumentMessage_ : "Upload command unrecognized by Instrument";
        break;
    case SetupDirList::SEND_WRONG_COUNT:
        text = !instrumentMessage_.empty() ? instrumentMessage_ : "Unknown error uploading setup.";
        break;
    default: {
        text = "Unknown error uploading setup.";
        const std::string code = CSetupMessages::GetCodeText(result);
        if (!code.empty())
            text += "\n" + code;
        break;
    }
    }
    platform::AppPrompter().Message(CSetupMessages::StripBell(text));
}

// ------------------------------------------------------------ get setups

void CSdiDoc::OnGetSetups()
{
    if (!IsSetupViewActive())
        return;
    const bool wasConnected = IsConnected();
    if (!wasConnected) {
        OnConnect();
        if (sdiView_)
            sdiView_->update();
        if (!IsConnected())
            return;
    }
    platform::WaitCursor wait;
    CMainFrame::BusyCommand busy(frame_);
    SetupDirList directory(port_.get());
    const int count = directory.ReadDirectory("*.*");
    ProgressDialog progress("Loading Setups");
    progress.SetRange(0, count > 0 ? count : 1);
    progress.SetStep(1);
    progress.Create(frame_);

    std::vector<std::unique_ptr<SetupRec>> loaded;
    if (const uint8_t* block = directory.ReadSystemSettings(true)) {
        auto system = std::make_unique<SetupRec>();
        system->SetType(SetupType::kSystem);
        system->SetOrigin(SetupOrigin::kInstrument);
        system->SetInstrumentId(link_->GetIdentification());
        system->SetRevision(link_->GetCachedFirmwareRevision());
        system->LoadSYSSetup(block, SetupDirList::kSystemSize);
        system->SetParam207(static_cast<float>(link_->GetParam207()));
        loaded.push_back(std::move(system));
    }
    for (size_t i = 0; i < directory.GetCount(); ++i) {
        PumpWaitingMessages();
        if (progress.CheckCancelButton()) {
            loaded.clear();
            break;
        }
        std::array<uint8_t, SetupDirList::kSetupSize> block{};
        if (!directory.GetSetupData(i, block.data())) {
            char text[80];
            std::snprintf(text, sizeof text, "There was an error retreiving the setup data: %d", static_cast<int>(i));
            wait.Restore();
            platform::AppPrompter().Message(text);
        } else if (std::unique_ptr<SetupRec> record = RecordOfBlock(block.data())) {
            record->SetOrigin(SetupOrigin::kInstrument);
            record->SetPFlag(directory.IsProtected(i) ? 1 : 0);
            record->SetLocked(directory.IsLocked(i) ? 1 : 0);
            record->SetAFlag(directory.IsActive(i) ? 1 : 0);
            loaded.push_back(std::move(record));
        }
        progress.StepIt();
    }
    progress.DestroyWindow();
    if (loaded.empty())
        return;

    // The list's rows and the sheet point at a replaced setup until the view
    // is rebuilt below, and the frame's idle update reads the selected row
    // while a question is up: the replaced setups live until then.
    std::vector<std::shared_ptr<SetupRec>> replaced;
    bool yesToAll = false;
    for (std::unique_ptr<SetupRec>& record : loaded) {
        int index = -1;
        if (!setups_.FindInstrumentSetup(*record, index)) {
            setups_.AddSorted(std::move(record));
            continue;
        }
        bool replace = yesToAll || (record->IsSystemSetup() && wasConnected);
        if (!replace) {
            SetupExistsDialog ask(frame_);
            char text[200];
            std::snprintf(text, sizeof text, "  %s\n    \"%s\"\n  %s\n  %s\n  %s", "A setup titled ",
                          record->GetName().c_str(), "already exists in the setup listbox.",
                          "Would you like to replace this listbox ", "setup with the setup from the J57?");
            ask.SetQuestion(platform::FromAnsi(text));
            wait.Restore();
            const int answer = ask.Ask();
            yesToAll = answer == SetupExistsDialog::YesToAll;
            replace = answer == SetupExistsDialog::Yes || yesToAll;
        }
        if (replace) {
            replaced.push_back(setups_.Share(setups_.GetAt(index)));
            setups_.ReplaceAt(index, std::move(record));
        }
    }

    // The instrument's current setup among its setups in the list.
    const int activeType = GetInstrumentSetupType();
    const std::string activeName = GetActiveSetupName();
    for (int i = 0; i < setups_.GetCount(); ++i) {
        SetupRec* record = setups_.GetAt(i);
        if (record->GetOrigin() == SetupOrigin::kInstrument && record->GetType() == activeType &&
            strcasecmp(record->GetName().c_str(), activeName.c_str()) == 0) {
            setups_.SetCurrent(record);
            break;
        }
    }
    RebuildSetupView();
    if (sdiView_)
        sdiView_->SelectSetup(0);
}

// ------------------------------------------------------------ store

void CSdiDoc::OnSaveSetupToInstrument()
{
    if (!IsSetupViewActive() || !sdiView_)
        return;
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record)
        return;
    // A page that refused a value would leave the setup half saved.
    if (std::string page; !sdiView_->SaveSetupPages(&page)) {
        messages_.Show(Msg::PageNotSaved, {page});
        return;
    }
    if (!IsConnected()) {
        messages_.Show(Msg::NeedToConnect);
        OnConnect();
        if (!IsConnected())
            return;
        // The connect may have put the system setup first: the row of the
        // same record is selected again, wherever it is now.
        for (int i = 0; i < setups_.GetCount(); ++i)
            if (setups_.GetAt(i) == record)
                sdiView_->SelectSetup(i);
        if (sdiView_->GetSelectedSetup() != record)
            return;
    }
    CMainFrame::BusyCommand busy(frame_);
    const std::shared_ptr<SetupRec> held = setups_.Share(record);
    if (link_->IsRunning()) {
        messages_.Show(Msg::InstrumentRunning);
        return;
    }
    if (record->IsSystemSetup()) {
        const int result = StoreSetupInInstrument(*record);
        if (result == kFirmwareUnknown)
            return;
        messages_.Show(result == 0 ? Msg::SystemSetupStored : Msg::SystemSetupFailed);
        if (link_)
            record->SetParam207(static_cast<float>(link_->GetParam207()));
        return;
    }
    std::string extension;
    StoreSetupDialog dialog([this](const std::string& name) { return StoreSetupAs(name); }, record->GetName(),
                            record->GetTypeExtUpper(extension), frame_);
    dialog.exec();
}

int CSdiDoc::StoreSetupAs(const std::string& name)
{
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record || !port_ || !link_)
        return 0;
    CMainFrame::BusyCommand busy(frame_);
    // Held across the waits below; its row is looked up again after them.
    const std::shared_ptr<SetupRec> held = setups_.Share(record);
    const std::string oldName = record->GetName();
    const std::string oldKey = InstrumentKey(*record, oldName);
    const std::string newKey = InstrumentKey(*record, name);
    SetupDirList directory(port_.get());
    const EntryFlags newEntry = LookUp(directory, newKey);
    if (newEntry.failure != 0) {
        ShowLinkFailure(newEntry.failure);
        return 0;
    }

    // Stores a copy under the new name; on success the record (or, as an
    // additional setup, the copy) takes the name.
    auto storeCopy = [&](bool clearLock, bool keepAsAdditional) {
        auto copy = std::make_unique<SetupRec>(*record);
        copy->SetPFlag(0);
        if (clearLock)
            copy->SetLocked(0);
        copy->SetName(name);
        const int result = StoreSetupInInstrument(*copy);
        if (result < 0) {
            ShowStoreResult(result);
            return 0;
        }
        if (keepAsAdditional) {
            copy->SetOrigin(SetupOrigin::kInstrument);
            copy->SetCurrent(0);
            SetupRec* added = copy.get();
            setups_.AddTail(std::move(copy));
            if (sdiView_)
                sdiView_->AddSetup(added);
            return 1;
        }
        record->SetPFlag(0);
        if (clearLock)
            record->SetLocked(0);
        record->SetName(name);
        record->SetOrigin(SetupOrigin::kInstrument);
        if (const int row = SetupRow(record); row >= 0)
            sdiView_->UpdateSetupItem(row, record);
        return 1;
    };
    auto storeItself = [&]() {
        const int result = StoreSetupInInstrument(*record);
        if (result < 0) {
            ShowStoreResult(result);
            return 0;
        }
        return 1;
    };

    if (record->GetOrigin() == SetupOrigin::kInstrument) {
        const EntryFlags oldEntry = LookUp(directory, oldKey);
        if (oldEntry.failure != 0) {
            ShowLinkFailure(oldEntry.failure);
            return 0;
        }
        if (!oldEntry.present)
            return newEntry.present ? 0 : storeCopy(false, false);
        if (!newEntry.present)
            return storeCopy(true, true);
        if (strcasecmp(oldKey.c_str(), newKey.c_str()) == 0) {
            if (newEntry.permanent) {
                messages_.Show(Msg::PermanentCannotChange, {oldName, name});
                return 0;
            }
            if (newEntry.locked && messages_.Show(Msg::OverwriteLockedQuestion, {name}) != platform::IDYES)
                return 0;
            return storeItself();
        }
        messages_.Show(newEntry.permanent ? Msg::PermanentCannotChange : Msg::NameUsed,
                       newEntry.permanent ? std::vector<CSetupMessages::Arg>{oldName, name}
                                          : std::vector<CSetupMessages::Arg>{name});
        return 0;
    }
    if (newEntry.present) {
        if (newEntry.permanent) {
            messages_.Show(Msg::PermanentCannotChange, {oldName, name});
            return 0;
        }
        if (!messages_.AskReplace(oldName, name))
            return 0;
    }
    return storeCopy(true, false);
}

// ------------------------------------------------------------ rename

void CSdiDoc::OnRenameSetup()
{
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record)
        return;
    std::string extension;
    RenameSetupDialog dialog([this](const std::string& name) { return RenameSetup(name); }, record->GetName(),
                             record->GetTypeExtUpper(extension), frame_);
    dialog.exec();
}

int CSdiDoc::RenameSetup(const std::string& name)
{
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record)
        return 1;
    const std::string oldName = record->GetName();
    const std::string oldKey = InstrumentKey(*record, oldName);
    const std::string newKey = InstrumentKey(*record, name);
    if (strcasecmp(oldKey.c_str(), newKey.c_str()) == 0)
        return 0;
    auto renameHere = [&]() {
        record->SetName(name);
        if (sdiView_)
            sdiView_->UpdateSetupItem(index, record);
        return 0;
    };

    if (record->GetOrigin() != SetupOrigin::kInstrument) {
        int other = -1;
        if (setups_.FindLocalSetup(name, record->GetType(), other) && setups_.GetAt(other) != record) {
            messages_.Show(Msg::NameInList, {oldName, name});
            return 1;
        }
        return renameHere();
    }
    if (!IsConnected())
        return renameHere();

    CMainFrame::BusyCommand busy(frame_);
    const std::shared_ptr<SetupRec> held = setups_.Share(record);
    SetupDirList directory(port_.get());
    const EntryFlags oldEntry = LookUp(directory, oldKey);
    if (oldEntry.failure != 0) {
        ShowLinkFailure(oldEntry.failure);
        return 1;
    }
    if (!oldEntry.present) {
        if (LookUp(directory, newKey).present) {
            messages_.Show(Msg::NameStored, {name});
            return 1;
        }
        return renameHere();
    }
    if (oldEntry.permanent) {
        messages_.Show(Msg::PermanentCannotRename, {oldName});
        return 1;
    }
    if (messages_.Show(oldEntry.locked ? Msg::LockedRenameQuestion : Msg::RenameQuestion, {oldName, name}) !=
        platform::IDYES)
        return 1;
    if (LookUp(directory, newKey).present) {
        messages_.Show(Msg::NameStored, {name});
        return 1;
    }
    // The setup is stored again under its new name: not when that store is
    // sure to be refused, which would leave it deleted.
    if (RefuseUnknownFirmware())
        return 1;
    if (oldEntry.locked)
        directory.LockSetup(oldKey, false);
    if (directory.DeleteSetup(oldKey) != 0) {
        messages_.Show(Msg::RenameFailed, {oldName, name, "Rename Error"});
        return 1;
    }
    // The old setup is gone from the instrument: the record keeps the new
    // name in the list whatever the store does, so that it can be stored
    // again.
    record->SetName(name);
    const int result = StoreSetupInInstrument(*record);
    if (const int row = SetupRow(record); row >= 0)
        sdiView_->UpdateSetupItem(row, record);
    if (result < 0) {
        ShowStoreResult(result);
        return 1;
    }
    return 0;
}

// ------------------------------------------------ current, lock, delete

void CSdiDoc::OnMakeSetupCurrent()
{
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record || record->GetOrigin() != SetupOrigin::kInstrument || !IsConnected())
        return;
    CMainFrame::BusyCommand busy(frame_);
    const std::shared_ptr<SetupRec> held = setups_.Share(record);
    const std::string name = record->GetName();
    const std::string key = InstrumentKey(*record, name);
    SetupDirList directory(port_.get());
    const EntryFlags entry = LookUp(directory, key);
    if (entry.failure != 0) {
        ShowLinkFailure(entry.failure);
        return;
    }
    if (!entry.present) {
        messages_.Show(Msg::NotStoredMadeActive, {name});
        return;
    }
    std::string reply;
    const int result = directory.MakeCurrent(key, &reply);
    instrumentMessage_ = directory.GetReplyText();
    if (result != 0)
        messages_.Show(Msg::MakeCurrent, {name, CSetupMessages::StripBell(reply)});
    if ((result == 0 || result == SetupDirList::SETTING_WRONG) && setups_.IndexOf(record) >= 0) {
        setups_.SetCurrent(record);
        RefreshSetupImages();
    }
}

void CSdiDoc::OnLockSetup()
{
    ChangeLock(true);
}

void CSdiDoc::OnUnlockSetup()
{
    ChangeLock(false);
}

void CSdiDoc::ChangeLock(bool lock)
{
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record || record->GetOrigin() != SetupOrigin::kInstrument || !IsConnected())
        return;
    CMainFrame::BusyCommand busy(frame_);
    const std::shared_ptr<SetupRec> held = setups_.Share(record);
    const std::string name = record->GetName();
    const std::string key = InstrumentKey(*record, name);
    SetupDirList directory(port_.get());
    const EntryFlags entry = LookUp(directory, key);
    if (entry.failure != 0)
        ShowLinkFailure(entry.failure);
    else if (!entry.present)
        messages_.Show(lock ? Msg::NotStoredLocked : Msg::NotStoredUnlocked, {name});
    else if (entry.permanent)
        messages_.Show(lock ? Msg::AlwaysLocked : Msg::PermanentCannotUnlock, {name});
    else if (entry.locked == lock)
        messages_.Show(lock ? Msg::AlreadyLocked : Msg::AlreadyUnlocked, {name});
    else if (const int result = directory.LockSetup(key, lock); result != 0)
        ShowLinkFailure(result);
    else {
        record->SetLocked(lock ? 1 : 0);
        if (const int row = SetupRow(record); row >= 0)
            sdiView_->SetSetupImage(row, record->GetImageIndex());
    }
}

void CSdiDoc::OnDeleteSetup()
{
    int index = -1;
    SetupRec* record = SelectedSetup(index);
    if (!record)
        return;
    auto removeRow = [&]() {
        if (const int row = SetupRow(record); row >= 0)
            sdiView_->RemoveSetupAt(row);
        setups_.Remove(record);
    };
    if (record->GetOrigin() != SetupOrigin::kInstrument) {
        removeRow();
        return;
    }
    if (!IsConnected())
        return;
    CMainFrame::BusyCommand busy(frame_);
    const std::shared_ptr<SetupRec> held = setups_.Share(record);
    const std::string name = record->GetName();
    const std::string key = InstrumentKey(*record, name);
    SetupDirList directory(port_.get());
    const EntryFlags entry = LookUp(directory, key);
    if (entry.failure != 0) {
        ShowLinkFailure(entry.failure);
        return;
    }
    if (!entry.present) {
        messages_.Show(Msg::NotStoredDeleted, {name});
        return;
    }
    if (entry.permanent) {
        messages_.Show(Msg::PermanentCannotDelete, {name});
        return;
    }
    if (entry.locked) {
        if (messages_.Show(Msg::DeleteLockedQuestion, {name}) != platform::IDYES)
            return;
        directory.LockSetup(key, false);
    } else if (messages_.Show(Msg::DeleteQuestion, {name}) != platform::IDYES) {
        return;
    }
    if (directory.DeleteSetup(key) != 0) {
        instrumentMessage_ = directory.GetReplyText();
        const std::string reason = CSetupMessages::StripBell(instrumentMessage_);
        platform::AppPrompter().Message(reason.empty() ? "Error deleting setup." : reason);
        return;
    }
    removeRow();
}
