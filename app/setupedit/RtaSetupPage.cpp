#include "RtaSetupPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "PageLayout.h"
#include "PropSheetSetup.h"
#include "SetupRec.h"

namespace {

constexpr const char* kRtaHeaderPrefix = "Real Time Analyzer -";

}  // namespace

RtaSetupPage::RtaSetupPage(const QString& caption, int dialogId, const char* label) : SetupPage(caption, dialogId)
{
    // The dialog's own text, kept while no setup is bound.
    Header()->setText("Real Time Analyzer Settings");
    auto* row = new QHBoxLayout;
    auto* name = new QLabel(QString::fromLatin1(label), this);
    name->setObjectName("pageLabel");
    fileName_ = MakeFileNameLine();
    fileName_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(name);
    row->addWidget(fileName_, 1);
    Body()->addLayout(row);
}

RTASetup* RtaSetupPage::BoundRta() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetRTASetup() : nullptr;
}

void RtaSetupPage::SetHeader()
{
    if (BoundRta())
        Header()->setText(HeaderText(kRtaHeaderPrefix));
}

void RtaSetupPage::showEvent(QShowEvent* event)
{
    SetupPage::showEvent(event);
    FollowTriggeringBox();
}

void RtaSetupPage::OnSetActive()
{
    SetupPage::OnSetActive();
    FollowTriggeringBox();
}

void RtaSetupPage::FollowTriggeringBox()
{
    if (!followsTriggering_ || !HasWindow())
        return;
    const PropSheetSetup* sheet = GetSheet();
    EnableAdvanced(!sheet || sheet->IsRtaTriggeringEnabled());
}

QComboBox* RtaSetupPage::MakeRtaList(QWidget* parent, const char* name, std::initializer_list<const char*> entries)
{
    QComboBox* list = MakeList(parent, name, entries);
    list->setCurrentIndex(-1);
    return list;
}

QComboBox* RtaSetupPage::MakeRtaList(QWidget* parent, const char* name, const QStringList& entries)
{
    QComboBox* list = MakeList(parent, name, {});
    list->addItems(entries);
    list->setCurrentIndex(-1);
    return list;
}

QStringList RtaSetupPage::CodeEntries(const std::string& (*text)(int, std::string&),
                                      std::string (*shown)(std::string))
{
    QStringList entries;
    std::string entry;
    // Codes are one byte: a table never runs past 255.
    for (int code = 0; code <= 0xFF && !text(code, entry).empty(); ++code) {
        const std::string listed = shown != nullptr ? shown(entry) : entry;
        entries << QString::fromLatin1(listed.data(), static_cast<qsizetype>(listed.size()));
    }
    return entries;
}

QLabel* RtaSetupPage::AddNamedRow(QGridLayout* grid, int row, const char* label, QWidget* field, const char* name)
{
    QLabel* text = AddRow(grid, row, label, field);
    text->setObjectName(QString::fromLatin1(name) + "Label");
    return text;
}

void RtaSetupPage::EnableAll(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}
