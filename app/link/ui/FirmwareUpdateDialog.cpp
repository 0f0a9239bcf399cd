#include "FirmwareUpdateDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "FirmwareFile.h"
#include "Files.h"
#include "Prompter.h"
#include "SlmLink.h"

namespace {
constexpr const char* kUndefined = "Undefined - Click 'Browse' to select a Morvek Audio supplied firmware file -->";

// The folder of a chosen file; "." for a bare name.
std::string FolderOf(const std::string& path)
{
    const std::string folder = platform::DirectoryOf(path);
    return folder.empty() ? std::string(".") : folder;
}

// The firmware files come from a system that ignores the case of names: the
// folder's file whose name equals name in any case, the exact name first.
std::string FindInFolder(const std::string& folder, const std::string& name)
{
    const std::string exact = folder + "/" + name;
    std::error_code error;
    if (std::filesystem::is_regular_file(exact, error))
        return exact;
    auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return text;
    };
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (lower(it->path().filename().string()) == lower(name))
            return folder + "/" + it->path().filename().string();
    return exact;
}
}  // namespace

FirmwareUpdateDialog::FirmwareUpdateDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Firmware Update");
    browse_ = new QPushButton("Browse", this);
    browse_->setObjectName("browseButton");
    start_ = new QPushButton("Start", this);
    start_->setObjectName("startButton");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    apply_ = new QCheckBox("Apply Firmware", this);
    apply_->setObjectName("applyFirmware");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progressBar");
    fileText_ = new QLabel(kUndefined, this);
    fileText_->setObjectName("fileText");
    statusText_ = new QLabel(this);
    statusText_->setObjectName("statusText");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("CAUTION!!!  Do not interrupt the update.", this));
    layout->addWidget(new QLabel("The J57 must have adequate AC or DC power", this));
    layout->addWidget(new QLabel("Use external power when possible.", this));
    layout->addWidget(new QLabel("Firmware to be applied:", this));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileText_, 1);
    fileRow->addWidget(browse_);
    layout->addLayout(fileRow);
    layout->addWidget(apply_);
    // Without the key the images go out as they are; the instrument decides.
    const firmware::Key& key = firmware::ProgramKey();
    if (std::all_of(key.begin(), key.end(), [](uint8_t byte) { return byte == 0; })) {
        auto* noKey = new QLabel("This program was built without the instrument's firmware key: "
                                 "the instrument may refuse the image.",
                                 this);
        noKey->setObjectName("noKeyText");
        noKey->setWordWrap(true);
        layout->addWidget(noKey);
    }
    layout->addWidget(progress_);
    layout->addWidget(statusText_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(browse_, &QPushButton::clicked, this, &FirmwareUpdateDialog::OnBrowse);
    connect(start_, &QPushButton::clicked, this, &FirmwareUpdateDialog::OnStart);
    connect(cancel_, &QPushButton::clicked, this, &FirmwareUpdateDialog::reject);
    start_->setEnabled(false);
    apply_->setEnabled(false);
}

void FirmwareUpdateDialog::showEvent(QShowEvent* event)
{
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void FirmwareUpdateDialog::ReadInstrumentInfo(SlmLink* link)
{
    link_ = link;
    if (!link)
        return;
    const std::string id = link->GetIdentification();
    const std::string maker = "Morvek-Audio Model ";
    model_ = id.compare(0, maker.size(), maker) == 0 ? id.substr(maker.size(), 6) : "J57";
    const std::string serial = link->GetSerialNumber();
    serial_ = serial.empty() ? std::string() : serial.substr(1);
}

void FirmwareUpdateDialog::OnInitDialog()
{
    start_->setEnabled(false);
    apply_->setEnabled(false);
    running_ = cancelled_ = false;
    if (!folder_.empty() && ReadFirmwareFile(FindInFolder(folder_, "J57-" + serial_ + ".CVK")))
        SetFileText(romPath_ + " (Version: " + version_ + ")");
}

void FirmwareUpdateDialog::SetFileText(const std::string& text) { fileText_->setText(QString::fromLatin1(text.c_str())); }

bool FirmwareUpdateDialog::ReadFirmwareFile(const std::string& path)
{
    romPath_.clear();
    version_.clear();
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    bool valid = false, shown = false;
    while (!valid && std::getline(in, line)) {
        if (line.compare(0, 9, "[UPGRADE]") != 0)
            continue;
        std::string command;
        if (!std::getline(in, command))
            break;
        auto entry = firmware::ParseCommandLine(command.substr(0, 89));
        if (!entry)
            continue;
        std::string rom = FolderOf(path) + "/" + firmware::RomImageName(entry->model, entry->version);
        if (!std::ifstream(rom, std::ios::binary)) {
            platform::AppPrompter().Message("Missing accompanying ROM file: " + rom, platform::Icon::Warning);
            shown = true;
            continue;
        }
        romPath_ = rom;
        version_ = entry->version;
        valid = true;
    }
    if (!valid && !shown)
        platform::AppPrompter().Message("No valid firmware entries were detected in " + path, platform::Icon::Warning);
    apply_->setEnabled(valid);
    apply_->setChecked(valid);
    start_->setEnabled(valid);
    calibration_ = false;
    return valid;
}

bool FirmwareUpdateDialog::ReadCalibrationFile(const std::string& path)
{
    std::string message;
    firmware::CalibrationValues values;
    if (!firmware::ReadCalibrationFile(path, values, message)) {
        platform::AppPrompter().Message(message, platform::Icon::Warning);
        return false;
    }
    values_ = values;
    calibration_ = true;
    start_->setEnabled(true);
    apply_->setEnabled(true);
    apply_->setChecked(true);
    return true;
}

void FirmwareUpdateDialog::OnBrowse()
{
    const std::string stem = model_ + "-" + serial_;
    platform::FileRequest request;
    request.caption = "Locate " + model_ + " Firmware upgrade file";
    request.filter = "CV Firmware File (" + stem + ")|*.cvk;*.cbk||";
    request.initialPath = folder_.empty() ? stem : folder_ + "/" + stem;
    request.defaultExt = ".cvk";
    for (;;) {
        auto path = platform::AppPrompter().ChooseFile(request);
        if (!path)
            return;
        if (path->find(".CBK") != std::string::npos || path->find(".cbk") != std::string::npos) {
            if (ReadCalibrationFile(*path)) {
                // The name keeps the separator before it, as the dialog always showed it.
                const std::string name = platform::FileNameOf(*path);
                SetFileText((name.size() == path->size() ? name : "/" + name) + " (Original Calibration Data)");
                return;
            }
        } else if (ReadFirmwareFile(*path)) {
            SetFileText(romPath_ + " (Version: " + version_ + ")");
            return;
        }
    }
}

void FirmwareUpdateDialog::OnStart()
{
    if (!link_)
        return;
    if (!apply_->isChecked()) {
        platform::AppPrompter().Message("Select \"Apply Firmware\" to start.", platform::Icon::Information);
        return;
    }
    start_->setEnabled(false);
    browse_->setEnabled(false);
    apply_->setEnabled(false);
    cancel_->setFocus();
    running_ = true;
    cancelled_ = false;
    FirmwareUpdater updater(link_, *this, firmware::ProgramKey());
    bool ok = updater.Start(calibration_, romPath_, version_, values_);
    running_ = cancelled_ = false;
    start_->setEnabled(true);
    browse_->setEnabled(true);
    cancel_->setEnabled(true);
    apply_->setEnabled(!romPath_.empty() || calibration_);
    if (ok)
        QDialog::reject();
}

void FirmwareUpdateDialog::Cancel()
{
    cancelled_ = true;
    cancel_->setEnabled(false);
    SetStatus("Cancelled...");
    Pump();
}

void FirmwareUpdateDialog::reject()
{
    if (running_)
        Cancel();
    else
        QDialog::reject();
}

void FirmwareUpdateDialog::SetStatus(const std::string& text)
{
    statusText_->setText(QString::fromLatin1(text.c_str()));
    statusText_->repaint();
}

void FirmwareUpdateDialog::SetProgressRange(int low, int high) { progress_->setRange(low, high); }
void FirmwareUpdateDialog::SetProgressPos(int position) { progress_->setValue(position); }
void FirmwareUpdateDialog::StepProgress() { progress_->setValue(progress_->value() + 1); }
void FirmwareUpdateDialog::Pump() { QCoreApplication::processEvents(); }
