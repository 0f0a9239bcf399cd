#include "ThSetupPage.h"

#include <algorithm>
#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "PageLayout.h"
#include "PageText.h"
#include "Prompter.h"
#include "RangeEdit.h"
#include "SetupRec.h"

namespace {

constexpr int kLevelA = 182;  // the level items of A; C and Flat follow two bytes apart
constexpr int kLiveA = 183;   // the live items and the extra quantities of A; likewise
constexpr int kWindVersion = 5;

struct GridRow {
    const char* label;
    int offset;  // kLevelA or kLiveA
    int mask;
};

const GridRow kFullGrid[] = {
    {"Leq", kLevelA, 0x80},      {"Peak", kLevelA, 0x40},     {"Slow Max", kLevelA, 0x20},
    {"Fast Max", kLevelA, 0x10}, {"Impl Max", kLevelA, 0x08}, {"Slow Min", kLevelA, 0x04},
    {"Fast Min", kLevelA, 0x02}, {"Impl Min", kLevelA, 0x01}, {"Slow Live", kLiveA, 0x80},
    {"Fast Live", kLiveA, 0x40}, {"Impl Live", kLiveA, 0x20},
};

// The ZU-Reru page keeps its Leq items apart from the grid and offers no
// Peak or Min items.
const GridRow kTalGrid[] = {
    {"Slow Max", kLevelA, 0x20}, {"Fast Max", kLevelA, 0x10}, {"Impl Max", kLevelA, 0x08},
    {"Slow Live", kLiveA, 0x80}, {"Fast Live", kLiveA, 0x40}, {"Impl Live", kLiveA, 0x20},
};

const char* const kColumns[] = {"A", "C", "Flat"};

struct ExtraItem {
    const char* text;
    int offset;
    int mask;
};

const ExtraItem kSsaExtras[] = {{"RTA Leq", 187, 0x02},     {"RTA Live", 187, 0x01},  {"LAFTM5", 183, 0x04},
                                {"Batt. Volts", 185, 0x04}, {"Ext. Volts", 185, 0x02}, {"Temp", 185, 0x01}};
const ExtraItem kLogExtras[] = {
    {"LAFTM5", 183, 0x04}, {"Batt. Volts", 185, 0x04}, {"Ext. Volts", 185, 0x02}, {"Temp", 185, 0x01}};
const ExtraItem kTalExtras[] = {
    {"LAFTM5", 183, 0x04}, {"LAIeq", 187, 0x04}, {"LAeq", 182, 0x80}, {"LCeq", 184, 0x80}, {"LFeq", 186, 0x80}};
const ExtraItem kWindItems[] = {{"Wind Spd", 183, 0x02}, {"Wind Dir", 183, 0x01}};

constexpr int kUnit32nd = 0;
constexpr int kUnitSecond = 1;

}  // namespace

ThSetupPage::ThSetupPage(const Variant& variant) : SetupPage("Time History", variant.dialogId), variant_(variant)
{
    Header()->setText(QString::fromLatin1(variant.dialogHeader));
    enabled_ = MakeButton<QCheckBox>(this, "thEnabled", "Enable Time History");
    Body()->addWidget(enabled_);

    auto* grid = new QGridLayout;
    period_ = MakeEdit<RangeEdit>(this, "period");
    unit_ = MakeList(this, "periodUnit", {"1/32 second", "1 second", "10 seconds", "60 seconds"});
    resolution_ = MakeList(this, "resolution", {"0.1 dB", "1.0 dB"});
    int row = 0;
    basic_ = {period_, unit_, resolution_};
    basic_.push_back(AddRow(grid, row, "Period", period_));
    auto* units = new QLabel("units", this);
    grid->addWidget(units, row++, 2);
    basic_.push_back(units);
    basic_.push_back(AddRow(grid, row++, "Period Unit", unit_));
    basic_.push_back(AddRow(grid, row++, "Resolution", resolution_));
    if (IsLog()) {
        otherLevel_ = MakeList(this, "otherLevel", {"None", "Peak-II", "Peak-I", "Lmax", "Advanced"});
        basic_.push_back(otherLevel_);
        basic_.push_back(AddRow(grid, row++, "Other Level", otherLevel_));
        connect(otherLevel_, &QComboBox::currentIndexChanged, this, &ThSetupPage::OnSelchangeOtherLevel);
    }
    Body()->addLayout(grid);

    group_ = new QGroupBox("Advanced Time History", this);
    advanced_.push_back(group_);
    BuildGrid(group_);
    BuildOtherItems(group_);
    Body()->addWidget(group_);
    Body()->addStretch(1);

    connect(enabled_, &QCheckBox::clicked, this, &ThSetupPage::OnEnableTimeHistory);
    connect(laftm5_, &QCheckBox::clicked, this, &ThSetupPage::OnLaftm5);
    connect(unit_, &QComboBox::currentIndexChanged, this, &ThSetupPage::OnSelchangePeriodUnit);
    if (rtaLeq_) {
        connect(rtaLeq_, &QCheckBox::clicked, this, [this] { OnRtaClicked(rtaLeq_, rtaLive_); });
        connect(rtaLive_, &QCheckBox::clicked, this, [this] { OnRtaClicked(rtaLive_, rtaLeq_); });
    }
}

QCheckBox* ThSetupPage::AddItem(QWidget* parent, const char* text, int offset, int mask)
{
    auto* box = MakeButton<QCheckBox>(parent, text, text);
    items_.push_back({box, offset, mask});
    advanced_.push_back(box);
    return box;
}

void ThSetupPage::BuildGrid(QGroupBox* group)
{
    auto* layout = new QGridLayout;
    const GridRow* rows = IsTal() ? kTalGrid : kFullGrid;
    const int rowCount = IsTal() ? std::size(kTalGrid) : std::size(kFullGrid);
    const char* const columnLabels[] = {"A Wt", "C Wt", "Flat Wt"};
    for (int column = 0; column < 3; ++column) {
        auto* label = new QLabel(QString::fromLatin1(columnLabels[column]), group);
        layout->addWidget(label, 0, column + 1);
        advanced_.push_back(label);
    }
    for (int r = 0; r < rowCount; ++r) {
        const char* text = IsLog() && r == 0 ? "Leq/TWA" : rows[r].label;
        auto* label = new QLabel(QString::fromLatin1(text), group);
        layout->addWidget(label, r + 1, 0);
        advanced_.push_back(label);
        for (int column = 0; column < 3; ++column) {
            // The grid boxes carry no text; their names say column and row.
            const QByteArray name = QByteArray(kColumns[column]) + ' ' + rows[r].label;
            QCheckBox* box = AddItem(group, name.constData(), rows[r].offset + 2 * column, rows[r].mask);
            box->setText(QString());
            layout->addWidget(box, r + 1, column + 1);
        }
    }
    auto* column = new QVBoxLayout(group);
    column->addLayout(layout);
}

void ThSetupPage::BuildOtherItems(QGroupBox* group)
{
    auto* row = new QGridLayout;
    const ExtraItem* extras = IsSsa() ? kSsaExtras : IsLog() ? kLogExtras : kTalExtras;
    const int count = IsSsa() ? std::size(kSsaExtras) : IsLog() ? std::size(kLogExtras) : std::size(kTalExtras);
    int cell = 0;
    for (int i = 0; i < count; ++i) {
        QCheckBox* box = AddItem(group, extras[i].text, extras[i].offset, extras[i].mask);
        row->addWidget(box, cell / 3, cell % 3);
        ++cell;
        if (QByteArray(extras[i].text) == "LAFTM5")
            laftm5_ = box;
        else if (QByteArray(extras[i].text) == "RTA Leq")
            rtaLeq_ = box;
        else if (QByteArray(extras[i].text) == "RTA Live")
            rtaLive_ = box;
    }
    if (!IsTal()) {
        for (const ExtraItem& item : kWindItems) {
            auto* box = MakeButton<QCheckBox>(group, item.text, item.text);
            wind_.push_back(box);
            row->addWidget(box, cell / 3, cell % 3);
            ++cell;
        }
    }
    static_cast<QVBoxLayout*>(group->layout())->addLayout(row);
}

MeasurementSetup* ThSetupPage::Bound() const
{
    if (!GetSetup() || !HasWindow())
        return nullptr;
    if (IsSsa())
        return GetSetup()->GetSSASetup();
    if (IsLog())
        return GetSetup()->GetLOGSetup();
    return GetSetup()->GetTALSetup();
}

void ThSetupPage::OnInitDialog()
{
    CreateBitmap(bitmap_, variant_.bitmapId);
    if (!IsTal())
        toolTip_.Create(this);
    period_->SetRange(0, 255);
    period_->setMaxLength(3);
    if (GetSetup())
        Load();
}

void ThSetupPage::SetHeader()
{
    if (Bound())
        Header()->setText(HeaderText(variant_.headerPrefix));
}

int ThSetupPage::UnitStep(bool laftm5) const
{
    const int unit = unit_->currentIndex();
    if (laftm5)
        return unit == kUnit32nd ? 160 : unit == kUnitSecond ? 5 : 1;
    // Only the sound analyser samples in whole eighths of a second.
    return unit == kUnit32nd && IsSsa() ? 4 : 1;
}

void ThSetupPage::ApplyPeriodLimits()
{
    const bool laftm5 = laftm5_->isChecked();
    period_->SetRange(laftm5 ? 1 : 0, 255);
    period_->SetStep(UnitStep(laftm5));
}

void ThSetupPage::Load()
{
    MeasurementSetup* setup = Bound();
    if (!setup)
        return;
    loading_ = true;
    if (!IsTal())
        version_ = setup->GetVersion();
    SetHeader();
    enabled_->setChecked(setup->GetTimeHistoryEnabled() != 0);
    SetSelection(unit_, setup->GetTimeHistoryPeriodUnit());
    if (otherLevel_)
        SetSelection(otherLevel_, setup->GetOtherLevel());
    resolution_->setCurrentIndex(setup->GetThResolution() ? 1 : 0);
    for (const ItemBox& item : items_)
        item.box->setChecked(setup->IsFlagSet(item.offset, item.mask));
    if (version_ >= kWindVersion)
        for (size_t i = 0; i < wind_.size(); ++i)
            wind_[i]->setChecked(setup->IsFlagSet(kWindItems[i].offset, kWindItems[i].mask));
    // The stored period is shown as it stands, whatever the limits.
    ApplyPeriodLimits();
    period_->setText(IntText(setup->GetTimeHistoryPeriod()));
    loading_ = false;
    OnEnableTimeHistory();
}

void ThSetupPage::OnEnableTimeHistory()
{
    const bool on = enabled_->isChecked();
    for (QWidget* w : basic_)
        w->setEnabled(on);
    if (IsLog())
        OnSelchangeOtherLevel();
    else
        EnableAdvancedItems(on);
}

// The logging page records the advanced items only with the other level
// "Advanced".
void ThSetupPage::OnSelchangeOtherLevel()
{
    if (loading_ || !otherLevel_)
        return;
    EnableAdvancedItems(enabled_->isChecked() && otherLevel_->currentIndex() == 4);
}

void ThSetupPage::EnableAdvancedItems(bool on)
{
    for (QWidget* w : advanced_)
        w->setEnabled(on);
    for (QCheckBox* box : wind_) {
        box->setVisible(version_ >= kWindVersion);
        box->setEnabled(on);
    }
}

// LAFTM5 is the 5-second Leq: the sampling period must then be a whole
// multiple of 5 seconds.
void ThSetupPage::OnLaftm5()
{
    if (!laftm5_->isChecked()) {
        ApplyPeriodLimits();
        return;
    }
    period_->SetRange(1, 255);
    int p = AtoI(period_->text());
    const int s = UnitStep(true);
    if (p != 0 && p % s == 0) {
        period_->SetStep(s);
        return;
    }
    const platform::Answer answer = platform::AppPrompter().Message(
        "LAFTM5 requires that the sampling rate be a multiple of 5 seconds.\n"
        "Click OK to automatically adjust the Period.\n"
        "Click Cancel to deselect the LAFTM5 checkbox.",
        platform::Icon::Warning, platform::Buttons::OkCancel);
    if (answer != platform::IDOK) {
        laftm5_->setChecked(false);
        ApplyPeriodLimits();
        return;
    }
    const int r = p % s;
    if (static_cast<double>(r) < s / 2.0)
        p -= r;
    else
        p += s - r;
    if (p == 0)
        p = s;
    // Rounding up may pass what the one-byte field holds (240 and more of
    // 1/32 second make 320): take the largest multiple that fits.
    while (p > 255)
        p -= s;
    period_->SetStep(s);
    period_->setText(IntText(p));
}

void ThSetupPage::OnSelchangePeriodUnit()
{
    if (loading_)
        return;
    const int p = AtoI(period_->text());
    const int step = UnitStep(laftm5_->isChecked());
    ApplyPeriodLimits();
    // The adjusted period is one the field takes: never below its minimum.
    const int fallback = std::max<int>(step == 1 ? p : step, static_cast<int>(period_->GetMinimum()));
    if (period_->IsValid(period_->text()))
        return;
    platform::AppPrompter().Message(
        QString("Invalid value in Period field; adjusting it to %1").arg(fallback).toStdString(),
        platform::Icon::Warning, platform::Buttons::Ok);
    period_->setText(IntText(fallback));
}

void ThSetupPage::OnRtaClicked(QCheckBox* clicked, QCheckBox* other)
{
    if (clicked->isChecked() && other->isChecked())
        other->setChecked(false);
}

bool ThSetupPage::Save()
{
    MeasurementSetup* setup = Bound();
    if (!setup)
        return true;
    // What the user changed is stored, greyed or not, valid for the limits
    // or not; a stored code outside a list stays until a row is picked.
    if (Edited(enabled_))
        setup->SetTimeHistoryEnabled(enabled_->isChecked() ? 1 : 0);
    if (Edited(period_))
        setup->SetTimeHistoryPeriod(AtoI(period_->text()));
    if (const auto row = EditedRow(unit_))
        setup->SetTimeHistoryPeriodUnit(*row);
    if (otherLevel_) {
        if (const auto row = EditedRow(otherLevel_))
            setup->SetOtherLevel(*row);
    } else if (AnyEdited()) {
        // Pages without the list record the advanced items: the level goes
        // with a time history the user set up here.
        setup->SetOtherLevelAdvanced();
    }
    if (Edited(resolution_))
        setup->SetThResolution(resolution_->currentIndex() == 1 ? 1 : 0);
    if (version_ >= kWindVersion)
        for (size_t i = 0; i < wind_.size(); ++i)
            if (Edited(wind_[i]))
                setup->SetThItem(kWindItems[i].offset, kWindItems[i].mask, wind_[i]->isChecked() ? 1 : 0);
    for (const ItemBox& item : items_)
        if (Edited(item.box))
            setup->SetThItem(item.offset, item.mask, item.box->isChecked() ? 1 : 0);
    return true;
}
