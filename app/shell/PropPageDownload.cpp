#include "PropPageDownload.h"

#include <cctype>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "CMeasView.h"
#include "CSdiDoc.h"
#include "ColorStatic.h"
#include "DownloadFileNames.h"
#include "DownloadOptions.h"
#include "DownloadOptionsDialog.h"
#include "Files.h"
#include "ShellIcons.h"
#include "Prompter.h"
#include "QtPlatform.h"
#include "TimeTexts.h"
#include "Clock.h"

namespace {

// Texts of the instrument and of the download file (location, notes,
// titles) are Windows-1252 bytes; paths are UTF-8.
QString Q(const std::string& text)
{
    return platform::FromAnsi(text);
}

std::string S(const QString& text)
{
    return platform::ToAnsi(text);
}

QString PathText(const std::string& path)
{
    return QString::fromStdString(path);
}

// A time the instrument did not know carries '?' in the place of the year.
bool Unknown(const std::string& time)
{
    return time.size() > 5 && time[5] == '?';
}

std::string Shown(const std::string& time)
{
    return Unknown(time) ? std::string(" ") : time;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

uint32_t StartSeconds(const std::string& time)
{
    const std::string clock = time.size() > 12 ? time.substr(12) : std::string();
    return DateTextToSecs(time, clock, 6);
}

}  // namespace

PropPageDownload::PropPageDownload(CMeasView* view, QWidget* parent) : QWidget(parent), view_(view)
{
    setObjectName("PropPageDownload");
    auto make = [this](const char* name, const char* text = "") {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        return label;
    };
    firstLine_ = make("firstLine");
    titleLabel_ = make("titleLabel", "Title:");
    title_ = make("title");
    start_ = make("startTime");
    end_ = make("endTime");
    sizeLabel_ = make("sizeLabel", "Size:");
    size_ = make("size");
    size_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto edit = [this](const char* name) {
        auto* line = new QLineEdit(this);
        line->setObjectName(name);
        line->setMaxLength(kNoteMax);
        return line;
    };
    location_ = edit("location");
    note1_ = edit("note1");
    note2_ = edit("note2");
    status_ = new ColorStatic(this);
    status_->setObjectName("status");
    status_->SetTextColor(Qt::blue);
    folder_ = make("folder");
    fileName_ = make("fileName");
    browse_ = new QPushButton(ShellIcons::BrowseIcon(), QString(), this);
    browse_->setObjectName("browseButton");
    browse_->setToolTip("Select Download Filename");
    download_ = new QPushButton("Down&load", this);
    download_->setObjectName("downloadButton");

    auto* decoration = new QLabel(this);
    decoration->setObjectName("decoration");
    decoration->setPixmap(ShellIcons::DownloadPageIcon().pixmap(32, 32));
    auto* head = new QHBoxLayout;
    head->addWidget(firstLine_, 1);
    head->addWidget(decoration);
    auto* info = new QFormLayout;
    info->addRow(head);
    info->addRow(titleLabel_, title_);
    info->addRow("Start Time:", start_);
    info->addRow("End Time:", end_);
    info->addRow(sizeLabel_, size_);
    info->addRow("Location", location_);
    info->addRow("Note 1", note1_);
    info->addRow("Note 2", note2_);
    auto* group = new QGroupBox("Select Download Filename", this);
    auto* groupLayout = new QFormLayout(group);
    groupLayout->addRow("Directory:", folder_);
    groupLayout->addRow("Filename:", fileName_);
    groupLayout->addRow(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(browse_);
    buttons->addStretch();
    buttons->addWidget(download_);
    groupLayout->addRow(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(info);
    layout->addWidget(group);
    layout->addStretch();

    connect(browse_, &QPushButton::clicked, this, &PropPageDownload::OnBrowse);
    connect(download_, &QPushButton::clicked, this, &PropPageDownload::OnDownload);
    EnableButtons(false);
}

std::string PropPageDownload::GetLocation() const { return S(location_->text()); }
std::string PropPageDownload::GetNote1() const { return S(note1_->text()); }
std::string PropPageDownload::GetNote2() const { return S(note2_->text()); }
std::string PropPageDownload::GetFolder() const { return folder_->text().toStdString(); }
std::string PropPageDownload::GetFileNameText() const { return fileName_->text().toStdString(); }
std::string PropPageDownload::GetStatus() const { return S(status_->text()); }

void PropPageDownload::ClearStatus()
{
    status_->clear();
}

void PropPageDownload::SetStatus(const std::string& text)
{
    status_->setText(Q(text));
}

void PropPageDownload::SetText(QLabel* label, const std::string& text)
{
    label->setText(Q(text));
}

void PropPageDownload::EnableButtons(bool on)
{
    browse_->setEnabled(on);
    download_->setEnabled(on);
}

void PropPageDownload::SetSelection(const MeasMgrJ46& selection)
{
    selection_.RemoveAll();
    for (const MeasMgrJ46::Entry& entry : selection)
        selection_.AddTail(entry);
    pattern_.clear();
    rangeStart_ = rangeEnd_ = " ";
}

void PropPageDownload::SetRange(const MeasRec* first, const MeasRec* second, const MeasRec* last)
{
    rangeStart_ = rangeEnd_ = " ";
    if (!first || !last)
        return;
    if (!second) {
        rangeStart_ = first->GetStartTime();
        rangeEnd_ = last->GetEndTime();
        return;
    }
    rangeStart_ = second->GetStartTime();
    const std::string& from = Unknown(first->GetStartTime()) ? last->GetStartTime() : first->GetStartTime();
    if (Unknown(from))
        return;
    rangeEnd_ = StartSeconds(from) <= StartSeconds(last->GetStartTime()) ? last->GetEndTime() : first->GetEndTime();
}

void PropPageDownload::StoreTexts()
{
    const size_t count = selection_.GetCount();
    for (const MeasMgrJ46::Entry& record : selection_) {
        record->SetLocation(GetLocation());
        record->SetNote1(GetNote1());
        record->SetNote2(GetNote2());
        record->SetFolder(GetFolder());
        if (count == 1)
            record->SetFileName(GetFileNameText());
        else if (!pattern_.empty())
            record->SetFileName(RemoveWildcard(pattern_));
    }
}

void PropPageDownload::RefreshDisplay()
{
    if (selection_.IsEmpty())
        return;
    const MeasRec& first = *selection_.GetAt(0);
    if (selection_.GetCount() == 1) {
        std::string listText;
        first.GetListText(listText);
        const bool active = first.IsActive();
        tabCaption_ = active ? "Active Measurement" : "Data File";
        SetText(sizeLabel_, active ? "" : "Size:");
        SetText(titleLabel_, "Title:");
        SetText(firstLine_, (active ? "Setup:          " : "Data File:     ") +
                                Lower(listText + "." + first.GetTypeText()));
        SetText(title_, first.GetTitle());
        SetText(start_, first.GetStartTime());
        SetText(end_, Shown(first.GetEndTime()));
        SetText(size_, first.GetSize() > 0 ? std::to_string(first.GetSize()) + " bytes" : "");
        fileName_->setText(PathText(first.GetFileName()));
        folder_->setText(PathText(first.GetFolder()));
        location_->setText(Q(first.GetLocation()));
        note1_->setText(Q(first.GetNote1()));
        note2_->setText(Q(first.GetNote2()));
        SetText(status_, first.IsDownloadComplete() ? "Download Complete" : "");
    } else {
        if (rangeStart_ != " ") {
            tabCaption_ = "Multiple Measurements";
            SetText(firstLine_, std::to_string(selection_.GetCount()) + " measurements selected");
            SetText(start_, rangeStart_);
            SetText(end_, Shown(rangeEnd_));
            fileName_->setText(PathText(pattern_.empty() ? "Based on each meas. date, time, type" : pattern_));
            folder_->setText(PathText(first.GetFolder()));
            location_->setText(Q(first.GetLocation()));
            note1_->setText(Q(first.GetNote1()));
            note2_->setText(Q(first.GetNote2()));
            SetText(titleLabel_, " ");
            SetText(sizeLabel_, " ");
            SetText(title_, " ");
            SetText(size_, " ");
        }
        ClearStatus();
    }
    EnableButtons(true);
    emit TabCaptionChanged(Q(tabCaption_));
}

void PropPageDownload::OnBrowse()
{
    const size_t count = selection_.GetCount();
    platform::FileRequest request;
    request.save = true;
    request.caption = "Select or Enter a file to store measurement during download";
    request.defaultExt = ".slmdl";
    request.filter = "SLMDL (*.slmdl) Download File|*.slmdl|All Files (*.*)|*.*||";
    const std::string initialName = count > 1 ? RemoveWildcard(pattern_) : GetFileNameText();
    const std::string folder = GetFolder();
    request.initialPath = folder.empty() ? initialName : folder + "/" + initialName;
    const std::optional<std::string> path = platform::AppPrompter().ChooseFile(request);
    if (!path || selection_.IsEmpty())
        return;
    std::string name = platform::FileNameOf(*path);
    if (!name.empty()) {
        const size_t dot = name.find('.');
        if (dot != std::string::npos && dot != 0)
            name.erase(dot);
        name += ".slmdl";
    }
    for (const MeasMgrJ46::Entry& record : selection_) {
        if (count > 1) {
            if (!name.empty())
                pattern_ = AddWildcard(name);
            record->SetFileName(RemoveWildcard(pattern_));
        } else if (!name.empty()) {
            record->SetFileName(RemoveWildcard(name));
        }
        record->SetFolderFromPath(*path);
    }
    if (count == 1)
        fileName_->setText(PathText(selection_.GetAt(0)->GetFileName()));
    else
        fileName_->setText(PathText(pattern_.empty() ? "Will be based on each measurement's date, time, type" : pattern_));
    folder_->setText(PathText(selection_.GetAt(0)->GetFolder()));
}

void PropPageDownload::OnDownload()
{
    platform::WaitCursor wait;
    if (selection_.IsEmpty() || !view_)
        return;
    DownloadOptions options;
    const int type = view_->GetTypeFilter();
    if (type == CMeasView::kAllBinary) {
        options.saveBinary = 1;
        options.launch = 0;
        options.reportFormat = 1;
        options.measurementType = type;
    } else {
        DownloadOptionsDialog dialog(this);
        dialog.SetMeasurementType(type);
        wait.Restore();
        if (dialog.exec() != QDialog::Accepted)
            return;
        options.saveBinary = dialog.GetSaveBinary();
        options.launch = dialog.GetLaunch();
        options.reportFormat = dialog.GetSpreadsheet() ? 2 : 1;
        options.measurementType = dialog.GetMeasurementType();
        options.reports = dialog.GetReports();
    }
    StoreTexts();
    CSdiDoc* doc = view_->GetDocument();
    if (!doc)
        return;
    download_->setEnabled(false);
    // The download waits on the instrument; the page goes with its view when
    // that is left meanwhile.
    const QPointer<PropPageDownload> alive(this);
    doc->DownloadMeasurements(static_cast<uint32_t>(selection_.GetCount()), pattern_, options);
    if (!alive)
        return;
    doc->AddActiveMeasurement();
    if (alive)
        download_->setEnabled(true);
}
