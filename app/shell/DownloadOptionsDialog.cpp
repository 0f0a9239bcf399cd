#include "DownloadOptionsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Profile.h"
#include "Prompter.h"

namespace {

const char* const kSection = "Download";

const std::vector<DownloadOptionsDialog::ModeReports>& ModeTable()
{
    static const std::vector<DownloadOptionsDialog::ModeReports> table = {
        {5, "SSA", {{"Settings", 13}, {"SysSettings", 2}, {"CalSettings", 11}, {"Summary", 31}, {"RunStop", 20},
                    {"CalHistory", 14}, {"TimeHistory", 19}, {"Histograms", 10}, {"Intervals", 18}}},
        {6, "ISM", {{"Settings", 15}, {"SysSettings", 2}, {"CalSettings", 11}, {"Summary", 1}}},
        {7, "LOG", {{"Settings", 3}, {"SysSettings", 2}, {"CalSettings", 11}, {"Summary", 1}, {"RunStop", 6},
                    {"CalHistory", 14}, {"TimeHistory", 8}, {"Histograms", 9}, {"Events", 17}, {"Days", 16},
                    {"Intervals", 7}}},
        {8, "TAL", {{"Settings", 23}, {"SysSettings", 2}, {"CalSettings", 11}, {"Summary", 1}, {"RunStop", 22},
                    {"Snapshots", 24}, {"TimeHistory", 21}, {"Histograms", 9}}},
        {9, "FFT", {{"Settings", 25}, {"SysSettings", 2}, {"CalSettings", 11}, {"Summary", 32}, {"Snapshots", 27}}},
        {10, "RTA", {{"Settings", 28}, {"SysSettings", 2}, {"CalSettings", 11}, {"Summary", 1}, {"Events", 30},
                     {"Snapshots", 29}}},
    };
    return table;
}

std::string SectionOf(const DownloadOptionsDialog::ModeReports& mode)
{
    return std::string("TranslateOptions") + mode.mode;
}

}  // namespace

const DownloadOptionsDialog::ModeReports* DownloadOptionsDialog::FindMode(int type)
{
    for (const ModeReports& mode : ModeTable())
        if (mode.type == type)
            return &mode;
    return nullptr;
}

DownloadOptionsDialog::DownloadOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("DownloadOptionsDialog");
    setWindowTitle("Download");
    const platform::Profile& profile = platform::AppProfile();
    saveBinary_ = profile.GetProfileInt(kSection, "SaveBinary", 1);
    launch_ = profile.GetProfileInt(kSection, "Launch", 1);
    spreadsheet_ = profile.GetProfileInt(kSection, "Spreadsheet", 1);
    text_ = profile.GetProfileInt(kSection, "Text", 0);

    saveBinaryBox_ = new QCheckBox("Save Binary Data", this);
    saveBinaryBox_->setObjectName("saveBinary");
    launchBox_ = new QCheckBox("Launch Viewer of Type:", this);
    launchBox_->setObjectName("launch");
    spreadsheetButton_ = new QRadioButton("Spreadsheet", this);
    spreadsheetButton_->setObjectName("spreadsheet");
    textButton_ = new QRadioButton("Text", this);
    textButton_->setObjectName("text");
    // The two are exclusive by the click handlers, as the profile keeps both.
    spreadsheetButton_->setAutoExclusive(false);
    textButton_->setAutoExclusive(false);
    listLabel_ = new QLabel("Translate the following records:", this);
    reportList_ = new QListWidget(this);
    reportList_->setObjectName("reportList");
    auto* selectAll = new QPushButton("Select All", this);
    selectAll->setObjectName("selectAll");
    auto* clearAll = new QPushButton("Clear All", this);
    clearAll->setObjectName("clearAll");
    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("okButton");
    okButton_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancelButton");

    auto* viewing = new QGroupBox("Viewing Options", this);
    auto* viewingLayout = new QVBoxLayout(viewing);
    viewingLayout->addWidget(saveBinaryBox_);
    viewingLayout->addWidget(launchBox_);
    viewingLayout->addWidget(spreadsheetButton_);
    viewingLayout->addWidget(textButton_);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(selectAll);
    listButtons->addWidget(clearAll);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(viewing);
    layout->addWidget(listLabel_);
    layout->addWidget(reportList_);
    layout->addLayout(listButtons);
    layout->addLayout(buttons);

    connect(saveBinaryBox_, &QCheckBox::clicked, this, [this](bool on) {
        saveBinary_ = on ? 1 : 0;
        UpdateControls();
    });
    connect(launchBox_, &QCheckBox::clicked, this, [this](bool on) {
        launch_ = on ? 1 : 0;
        UpdateControls();
    });
    connect(spreadsheetButton_, &QRadioButton::clicked, this, [this](bool on) {
        spreadsheet_ = on ? 1 : 0;
        text_ = 0;
        UpdateControls();
    });
    connect(textButton_, &QRadioButton::clicked, this, [this](bool on) {
        text_ = on ? 1 : 0;
        spreadsheet_ = 0;
        UpdateControls();
    });
    connect(selectAll, &QPushButton::clicked, this, [this] { SetAllChecks(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { SetAllChecks(false); });
    connect(okButton_, &QPushButton::clicked, this, &DownloadOptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &DownloadOptionsDialog::reject);
}

int DownloadOptionsDialog::exec()
{
    reportList_->clear();
    LoadSaveReports(measurementType_, kLoad);
    UpdateControls();
    if (const ModeReports* mode = FindMode(measurementType_)) {
        for (size_t i = 0; i < mode->entries.size(); ++i) {
            auto* item = new QListWidgetItem(mode->entries[i].key, reportList_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setData(Qt::UserRole, mode->entries[i].report);
            item->setCheckState(checks_[i] ? Qt::Checked : Qt::Unchecked);
        }
    }
    return QDialog::exec();
}

void DownloadOptionsDialog::LoadSaveReports(int type, int operation)
{
    const ModeReports* mode = FindMode(type);
    if (!mode)
        return;
    platform::Profile& profile = platform::AppProfile();
    const std::string section = SectionOf(*mode);
    checks_.assign(mode->entries.size(), 0);
    if (operation == kLoad) {
        for (size_t i = 0; i < mode->entries.size(); ++i)
            checks_[i] = profile.GetProfileInt(section, mode->entries[i].key, 0);
        return;
    }
    reports_.clear();
    for (size_t i = 0; i < mode->entries.size(); ++i) {
        const QListWidgetItem* item = reportList_->item(static_cast<int>(i));
        checks_[i] = item && item->checkState() == Qt::Checked ? 1 : 0;
        if (checks_[i])
            reports_.push_back(static_cast<uint16_t>(item->data(Qt::UserRole).toInt()));
        profile.WriteProfileInt(section, mode->entries[i].key, checks_[i]);
    }
}

void DownloadOptionsDialog::UpdateControls()
{
    saveBinaryBox_->setChecked(saveBinary_ != 0);
    launchBox_->setChecked(launch_ != 0);
    spreadsheetButton_->setChecked(spreadsheet_ != 0);
    textButton_->setChecked(text_ != 0);
    const bool launch = launch_ != 0;
    spreadsheetButton_->setEnabled(launch);
    textButton_->setEnabled(launch);
    reportList_->setEnabled(launch);
    listLabel_->setEnabled(launch);
    okButton_->setEnabled(launch || saveBinary_ != 0);
}

void DownloadOptionsDialog::SetAllChecks(bool checked)
{
    for (int i = 0; i < reportList_->count(); ++i)
        reportList_->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool DownloadOptionsDialog::AnyChecked() const
{
    for (int i = 0; i < reportList_->count(); ++i)
        if (reportList_->item(i)->checkState() == Qt::Checked)
            return true;
    return false;
}

void DownloadOptionsDialog::accept()
{
    platform::Prompter& prompter = platform::AppPrompter();
    if (!saveBinary_) {
        if (prompter.Message("If you proceed, the binary data from the instrument will not be saved on your "
                             "computer for later use.\nDo you wish to proceed?",
                             platform::Icon::Warning, platform::Buttons::YesNo) != platform::IDYES)
            return;
        if (!AnyChecked()) {
            if (prompter.Message("No reports selected and not saving Binary. Quit?", platform::Icon::None,
                                 platform::Buttons::YesNo) == platform::IDYES)
                reject();
            return;
        }
    }
    platform::Profile& profile = platform::AppProfile();
    profile.WriteProfileInt(kSection, "SaveBinary", saveBinary_);
    profile.WriteProfileInt(kSection, "Launch", launch_);
    profile.WriteProfileInt(kSection, "Spreadsheet", spreadsheet_);
    profile.WriteProfileInt(kSection, "Text", text_);
    LoadSaveReports(measurementType_, kSave);
    QDialog::accept();
}
