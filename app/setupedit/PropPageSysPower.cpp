#include "PropPageSysPower.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>

#include "DateEdits.h"
#include "PageLayout.h"
#include "PageText.h"

namespace {

enum PowerOffMode { kBlankLcd = 0, kAutoOff = 1, kManualOff = 2 };

// Used while no system block is bound.
constexpr int kDefaultBlankLcdTime = 4;
constexpr int kDefaultAutoOffTime = 12;

constexpr int kLowestContrast = 54;
constexpr int kContrastRows = 14;

QString WithMinutes(const char* format, int minutes)
{
    return QString::fromLatin1(format).replace("%d", IntText(minutes));
}

}  // namespace

PropPageSysPower::PropPageSysPower() : SysSetupPage("Power", 169, "Power Monitor")
{
    auto* grid = new QGridLayout;
    powerOffMode_ = MakeList(this, "powerOffMode", {"Blank LCD", "Auto Off", "Manual Off"});
    AddRow(grid, 0, "Power Off Mode", powerOffMode_);
    powerOffTime_ = MakeEdit<DayEdit>(this, "powerOffTime");
    timeLabel_ = AddRow(grid, 1, "Auto Off Time ", powerOffTime_);
    timeLabel_->setObjectName("timeLabel");
    minutesLabel_ = new QLabel("minutes", this);
    minutesLabel_->setObjectName("minutes");
    grid->addWidget(minutesLabel_, 1, 2);
    explanation_ = new QLabel(this);
    explanation_->setObjectName("explanation");
    grid->addWidget(explanation_, 2, 0, 1, 3);
    Body()->addLayout(grid);

    backlightOn_ = MakeButton<QCheckBox>(this, "backlightOn", "Turn Backlight On");
    Body()->addWidget(backlightOn_);
    auto* backlightRow = new QHBoxLayout;
    backlightBefore_ = new QLabel("Backlight Time - Turn off backlight after ", this);
    backlightTime_ = MakeEdit<DayEdit>(this, "backlightTime");
    backlightAfter_ = new QLabel("seconds of inactivity", this);
    backlightRow->addWidget(backlightBefore_);
    backlightRow->addWidget(backlightTime_);
    backlightRow->addWidget(backlightAfter_);
    Body()->addLayout(backlightRow);

    auto* lower = new QGridLayout;
    externalPower_ = MakeList(this, "externalPower", {"AC Power", "Battery"});
    contrast_ = MakeList(this, "contrast", {});
    for (int row = 0; row < kContrastRows; ++row)
        contrast_->addItem(IntText(kLowestContrast + 2 * row));
    AddRow(lower, 0, "External Power", externalPower_);
    AddRow(lower, 1, "LCD Contrast", contrast_);
    Body()->addLayout(lower);
    Body()->addStretch(1);

    connect(powerOffMode_, &QComboBox::activated, this, [this] { ApplyModeRule(); });
    connect(backlightOn_, &QCheckBox::clicked, this, [this] { ApplyBacklightRule(); });
}

void PropPageSysPower::OnInitDialog()
{
    CreateSystemBitmap();
    toolTip_.Create(this);
    // The block takes 99 as its default time: the fields offer what it
    // keeps.
    powerOffTime_->SetRange(1, 98);
    powerOffTime_->setMaxLength(2);
    backlightTime_->SetRange(0, 98);
    backlightTime_->setMaxLength(2);
    if (GetSetup())
        Load();
}

void PropPageSysPower::Load()
{
    const SYSSetup* sys = BoundSys();
    if (!sys)
        return;
    SetSelection(contrast_, (sys->GetLcdContrast() - kLowestContrast) / 2);
    SetSelection(powerOffMode_, sys->GetPowerOffMode());
    ApplyModeRule();
    ShowChecked(backlightTime_, TwoDigitText(sys->GetBacklightTime()), "30");
    backlightOn_->setChecked(sys->GetBacklightOn() != 0);
    externalPower_->setCurrentIndex(sys->GetExternalPower() ? 1 : 0);
    ApplyBacklightRule();
}

bool PropPageSysPower::Save()
{
    SYSSetup* sys = BoundSys();
    if (!sys)
        return true;
    const int mode = powerOffMode_->currentIndex();
    if (Edited(powerOffMode_) && mode >= 0)
        sys->SetPowerOffMode(mode);
    // A mode change shows that mode's stored time: only a time the user
    // changed is written.
    if (Edited(powerOffTime_)) {
        const int minutes = AtoI(powerOffTime_->text());
        if (mode == kBlankLcd && minutes != sys->GetBlankLcdTime())
            sys->SetBlankLcdTime(minutes);
        else if (mode == kAutoOff && minutes != sys->GetAutoOffTime())
            sys->SetAutoOffTime(minutes);
    }
    if (Edited(backlightOn_))
        sys->SetBacklightOn(backlightOn_->isChecked() ? 1 : 0);
    if (Edited(backlightTime_))
        sys->SetBacklightTime(AtoI(backlightTime_->text()));
    if (Edited(externalPower_))
        sys->SetExternalPower(externalPower_->currentIndex() != 0 ? 1 : 0);
    if (const auto row = EditedRow(contrast_))
        sys->SetLcdContrast(*row * 2 + kLowestContrast);
    return true;
}

// Each mode shows its own stored time: a mode change drops what was typed.
void PropPageSysPower::ApplyModeRule()
{
    const SYSSetup* sys = GetSetup() ? GetSetup()->GetSYSSetup() : nullptr;
    const int mode = powerOffMode_->currentIndex();
    const bool timed = mode == kBlankLcd || mode == kAutoOff;
    if (timed) {
        const bool blank = mode == kBlankLcd;
        const int minutes = blank ? (sys ? sys->GetBlankLcdTime() : kDefaultBlankLcdTime)
                                  : (sys ? sys->GetAutoOffTime() : kDefaultAutoOffTime);
        timeLabel_->setText(blank ? "Blank LCD" : "Auto Off");
        powerOffTime_->setText(TwoDigitText(minutes));
        explanation_->setText(
            blank ? WithMinutes("Blank LDC and turn off serial communications after %d minutes of inactivity", minutes)
                  : WithMinutes("Turn off instrument after %d minutes of inactivity", minutes));
    } else {
        explanation_->setText("The J57 will remain on until powered off manually");
    }
    for (QWidget* w : std::initializer_list<QWidget*>{timeLabel_, powerOffTime_, minutesLabel_})
        w->setVisible(timed);
}

void PropPageSysPower::ApplyBacklightRule()
{
    const bool on = backlightOn_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{backlightBefore_, backlightTime_, backlightAfter_})
        w->setEnabled(on);
}
