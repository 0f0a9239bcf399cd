#include "CWindTachPP.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "PageLayout.h"
#include "PropSheetSetup.h"
#include "Prompter.h"
#include "QtPlatform.h"

namespace {

constexpr int kUnitsLength = 4;
// Blocks from this format on carry the wind input.
constexpr int kWindFormat = 5;

enum Radio { Zero, TwoPointFive, Internal, External };

}  // namespace

CWindTachPP::CWindTachPP() : AdvancedNestedPage("Wind/Tach", 282)
{
    enableBox_ = MakeButton<QCheckBox>(this, "windTachEnable", "Wind/Tach Enable");
    windyPauseBox_ = MakeButton<QCheckBox>(this, "windyPause", "Windy Pause Enable");
    Body()->addWidget(enableBox_);
    Body()->addWidget(windyPauseBox_);

    auto* grid = new QGridLayout;
    const struct {
        QLineEdit** field;
        const char* name;
        const char* label;
    } fields[] = {
        {&scaleEdit_, "windScale", "Wind  Scale:"},
        {&unitsEdit_, "windUnits", "Wind Units:"},
        {&thresholdEdit_, "windyThreshold", "Windy Threshold:"},
        {&exceedanceEdit_, "windExceedance", "Wind Excd. Level:"},
        {&hysteresisEdit_, "windyHysteresis", "Windy Hysteresis:"},
    };
    int row = 0;
    for (const auto& f : fields) {
        *f.field = MakeEdit<QLineEdit>(this, f.name);
        AddRow(grid, row++, f.label, *f.field);
    }
    directionUnits_ = MakeList(this, "directionUnits", {"Compass", "Degrees", "Percent", "Volts", "Number"});
    AddRow(grid, row, "Direction Units:", directionUnits_);
    Body()->addLayout(grid);

    const char* const groups[] = {"PulseTrig. Voltage:", "Pulse Source:"};
    const char* const names[] = {"pulseZero", "pulse25", "pulseInt", "pulseExt"};
    const char* const texts[] = {"O.O", "2.5", "Int", "Ext"};
    auto* pairs = new QHBoxLayout;
    for (int g = 0; g < 2; ++g) {
        auto* group = new QGroupBox(QString::fromLatin1(groups[g]), this);
        auto* row = new QHBoxLayout(group);
        for (int i = g * 2; i < g * 2 + 2; ++i) {
            radios_[i] = MakeButton<QRadioButton>(group, names[i], texts[i]);
            row->addWidget(radios_[i]);
        }
        pairs->addWidget(group);
    }
    Body()->addLayout(pairs);
    Body()->addStretch(1);

    connect(enableBox_, &QCheckBox::clicked, this, &CWindTachPP::OnEnableClicked);
    connect(windyPauseBox_, &QCheckBox::clicked, this, &CWindTachPP::OnWindyPauseClicked);
    connect(directionUnits_, &QComboBox::activated, this, &CWindTachPP::OnDirectionUnitsChosen);
    // The radio buttons change only the page's values; Save stores them.
    connect(radios_[Zero], &QRadioButton::clicked, this, [this] { trig25_ = !radios_[Zero]->isChecked(); });
    connect(radios_[TwoPointFive], &QRadioButton::clicked, this,
            [this] { trig25_ = radios_[TwoPointFive]->isChecked(); });
    connect(radios_[Internal], &QRadioButton::clicked, this,
            [this] { sourceExt_ = !radios_[Internal]->isChecked(); });
    connect(radios_[External], &QRadioButton::clicked, this,
            [this] { sourceExt_ = radios_[External]->isChecked(); });
    for (QLineEdit* field : {scaleEdit_, thresholdEdit_, exceedanceEdit_, hysteresisEdit_})
        field->installEventFilter(this);
}

void CWindTachPP::SetSetup(SetupRec* setup, int type)
{
    const MeasurementSetup* block = BlockOf(setup, type);
    if (block && block->HasBlock())
        version_ = block->GetVersion();
    AdvancedNestedPage::SetSetup(setup, type);
}

void CWindTachPP::OnInitDialog()
{
    unitsEdit_->setMaxLength(kUnitsLength);
    Load();
}

bool CWindTachPP::Refuse(QLineEdit* field, const char* text)
{
    refusing_ = true;
    platform::AppPrompter().Message(text, platform::Icon::Warning, platform::Buttons::Ok);
    field->setFocus();
    field->selectAll();
    refusing_ = false;
    return false;
}

bool CWindTachPP::UpdateData(bool save)
{
    if (!save) {
        enableBox_->setChecked(enable_ != 0);
        windyPauseBox_->setChecked(windyPause_ != 0);
        scaleEdit_->setText(QString::number(scale_, 'g', 6));
        unitsEdit_->setText(platform::FromAnsi(units_));
        thresholdEdit_->setText(QString::number(threshold_));
        exceedanceEdit_->setText(QString::number(exceedanceLevel_));
        hysteresisEdit_->setText(QString::number(hysteresis_));
        return true;
    }
    // Every field the user changed is checked before any value is taken; a
    // field the user did not change (or cannot, while it is greyed) keeps
    // its value and is never refused.
    auto checked = [this](const QLineEdit* field) { return field->isEnabled() && Edited(field); };
    bool ok = true;
    float scale = scale_;
    if (checked(scaleEdit_)) {
        scale = scaleEdit_->text().trimmed().toFloat(&ok);
        if (!ok)
            return Refuse(scaleEdit_, "Please enter a number.");
    }
    if (checked(unitsEdit_) && unitsEdit_->text().size() > kUnitsLength)
        return Refuse(unitsEdit_, "Please enter no more than 4 characters.");
    int whole[3] = {threshold_, exceedanceLevel_, hysteresis_};
    QLineEdit* const wholeFields[] = {thresholdEdit_, exceedanceEdit_, hysteresisEdit_};
    for (int i = 0; i < 3; ++i) {
        if (!checked(wholeFields[i]))
            continue;
        whole[i] = wholeFields[i]->text().trimmed().toShort(&ok);
        if (!ok)
            return Refuse(wholeFields[i], "Please enter an integer.");
    }
    enable_ = enableBox_->isChecked() ? 1 : 0;
    windyPause_ = windyPauseBox_->isChecked() ? 1 : 0;
    scale_ = scale;
    if (checked(unitsEdit_))
        units_ = platform::ToAnsi(unitsEdit_->text());
    threshold_ = whole[0];
    exceedanceLevel_ = whole[1];
    hysteresis_ = whole[2];
    return true;
}

void CWindTachPP::Load()
{
    MeasurementSetup* block = BoundBlock();
    if (!block)
        return;
    enable_ = block->GetWindTachEnabled() != 0;
    windyPause_ = block->GetWindyPause() != 0;
    exceedanceLevel_ = block->GetWindExceedanceLevel();
    scale_ = block->GetWindScale();
    threshold_ = block->GetWindyThreshold();
    units_ = block->GetWindUnits();
    hysteresis_ = block->GetWindyHysteresis();
    trig25_ = block->GetPulseTrigVoltage() != 0;
    sourceExt_ = block->GetPulseSourceExt() != 0;
    SetSelection(directionUnits_, block->GetDirectionUnits());
    radios_[External]->setChecked(sourceExt_ != 0);
    radios_[Internal]->setChecked(sourceExt_ == 0);
    radios_[TwoPointFive]->setChecked(trig25_ != 0);
    radios_[Zero]->setChecked(trig25_ == 0);
    UpdateData(false);
    ApplyEnableRule();
}

void CWindTachPP::ApplyEnableRule()
{
    // The box is given back to a block of the current format that follows
    // an older one on the page.
    enableBox_->setEnabled(version_ >= kWindFormat);
    if (version_ < kWindFormat)
        enable_ = 0;
    const bool on = enable_ != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{scaleEdit_, unitsEdit_, thresholdEdit_, exceedanceEdit_,
                                                      hysteresisEdit_, directionUnits_, windyPauseBox_})
        w->setEnabled(on);
    for (QRadioButton* radio : radios_)
        radio->setEnabled(on);
}

void CWindTachPP::OnEnableClicked()
{
    MeasurementSetup* block = BoundBlock();
    if (!block || !UpdateData(true))
        return;
    block->SetWindTachEnabled(enable_);
    ApplyEnableRule();
    Reload();
}

void CWindTachPP::Reload()
{
    // The pulse choices are written by Save: a reload keeps what the user
    // picked and not yet saved.
    std::array<bool, 4> picked{};
    std::array<bool, 4> edited{};
    for (size_t i = 0; i < radios_.size(); ++i) {
        picked[i] = radios_[i]->isChecked();
        edited[i] = Edited(radios_[i]);
    }
    const int trig25 = trig25_;
    const int sourceExt = sourceExt_;
    const bool pulseEdited = edited[Zero] || edited[TwoPointFive];
    const bool sourceEdited = edited[Internal] || edited[External];
    Load();
    RememberShown();
    if (pulseEdited) {
        trig25_ = trig25;
        radios_[Zero]->setChecked(picked[Zero]);
        radios_[TwoPointFive]->setChecked(picked[TwoPointFive]);
    }
    if (sourceEdited) {
        sourceExt_ = sourceExt;
        radios_[Internal]->setChecked(picked[Internal]);
        radios_[External]->setChecked(picked[External]);
    }
}

void CWindTachPP::OnWindyPauseClicked()
{
    MeasurementSetup* block = BoundBlock();
    if (block && UpdateData(true))
        block->SetWindyPause(windyPause_);
}

void CWindTachPP::OnDirectionUnitsChosen()
{
    MeasurementSetup* block = BoundBlock();
    if (block && UpdateData(true))
        block->SetDirectionUnits(directionUnits_->currentIndex());
}

void CWindTachPP::OnFieldLeft(QLineEdit* field)
{
    // A field left as it was loaded writes nothing: the speeds shown are
    // whole numbers in wind units, and writing them back would move the
    // stored counts.
    MeasurementSetup* block = BoundBlock();
    if (!block || !Edited(field) || !UpdateData(true))
        return;
    if (field == scaleEdit_) {
        // The stored counts stay; the speeds are shown in the new scale.
        block->SetWindScale(scale_);
        Reload();
    } else if (field == thresholdEdit_) {
        block->SetWindyThreshold(threshold_);
    } else if (field == exceedanceEdit_) {
        block->SetWindExceedanceLevel(exceedanceLevel_);
    } else {
        block->SetWindyHysteresis(hysteresis_);
    }
}

bool CWindTachPP::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Focus that moves to another window (a message box among them) is
        // no leaving of the field, nor is the page being taken off the sheet.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const PropSheetSetup* sheet = GetSheet();
        if (!refusing_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !(sheet && sheet->IsRebuilding()))
            OnFieldLeft(static_cast<QLineEdit*>(watched));
    }
    return AdvancedNestedPage::eventFilter(watched, event);
}

bool CWindTachPP::Save()
{
    MeasurementSetup* block = BoundBlock();
    if (!block)
        return true;
    if (!UpdateData(true))
        return false;
    // The speeds shown are in the scale in force: they are converted with it
    // before a new scale is stored, so all three keep their counts as a
    // scale change on leaving the field does. Only what the user changed is
    // written.
    if (Edited(exceedanceEdit_))
        block->SetWindExceedanceLevel(exceedanceLevel_);
    if (Edited(thresholdEdit_))
        block->SetWindyThreshold(threshold_);
    if (Edited(hysteresisEdit_))
        block->SetWindyHysteresis(hysteresis_);
    if (Edited(scaleEdit_))
        block->SetWindScale(scale_);
    if (Edited(unitsEdit_))
        block->SetWindUnits(units_);
    if (Edited(enableBox_))
        block->SetWindTachEnabled(enable_);
    if (Edited(windyPauseBox_))
        block->SetWindyPause(windyPause_);
    if (Edited({radios_[Zero], radios_[TwoPointFive]}))
        block->SetPulseTrigVoltage(trig25_);
    if (Edited({radios_[Internal], radios_[External]}))
        block->SetPulseSourceExt(sourceExt_);
    // A stored unit outside the list shows no selection and is kept.
    if (const auto row = EditedRow(directionUnits_))
        block->SetDirectionUnits(*row);
    return true;
}
