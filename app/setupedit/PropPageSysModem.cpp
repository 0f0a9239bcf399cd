#include "PropPageSysModem.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "RangeEdit.h"

namespace {

void SetCheck(QCheckBox* box, int on)
{
    box->setChecked(on != 0);
}

int Checked(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

}  // namespace

PropPageSysModem::PropPageSysModem() : SysSetupPage("Modem", 250, "Modem")
{
    modemEnabled_ = MakeButton<QCheckBox>(this, "modemEnabled", "Enable Modem Control");
    Body()->addWidget(modemEnabled_);
    auto* dialGroup = new QGroupBox("Dial Out Mode", this);
    auto* dialColumn = new QVBoxLayout(dialGroup);
    dialOnExceedance_ = MakeButton<QCheckBox>(dialGroup, "dialOnExceedance", "Exceedance");
    dialOnAlarm_ = MakeButton<QCheckBox>(dialGroup, "dialOnAlarm", "Alarm");
    dialColumn->addWidget(dialOnExceedance_);
    dialColumn->addWidget(dialOnAlarm_);
    Body()->addWidget(dialGroup);
    // Kept for the modem the maker once sold: never offered, but its bit
    // travels back to the instrument as it came.
    makerModem_ = MakeButton<QCheckBox>(this, "makerModem", "Morvek Audio Modem");
    makerModem_->setVisible(false);
    makerModem_->setEnabled(false);
    Body()->addWidget(makerModem_);

    auto* grid = new QGridLayout;
    telephone_ = MakeEdit<QLineEdit>(this, "telephone");
    telephone_->setMaxLength(30);
    monitorNumber_ = MakeEdit<RangeEdit>(this, "monitorNumber");
    initString_ = MakeEdit<QLineEdit>(this, "initString");
    initString_->setMaxLength(30);
    AddRow(grid, 0, "Telephone Number", telephone_);
    AddRow(grid, 1, "Monitor Number", monitorNumber_);
    AddRow(grid, 2, "Modem Initialization String", initString_);
    Body()->addLayout(grid);
    Body()->addStretch(1);
}

void PropPageSysModem::OnInitDialog()
{
    CreateSystemBitmap();
    monitorNumber_->SetRange(0, 255);
    monitorNumber_->setMaxLength(3);
    if (GetSetup())
        Load();
}

void PropPageSysModem::Load()
{
    const SYSSetup* sys = BoundSys();
    if (!sys)
        return;
    SetCheck(modemEnabled_, sys->GetModemEnabled());
    SetCheck(dialOnAlarm_, sys->GetDialOnAlarm());
    SetCheck(dialOnExceedance_, sys->GetDialOnExceedance());
    SetCheck(makerModem_, sys->GetMakerModem());
    initString_->setText(platform::FromAnsi(sys->GetModemInitString()));
    ShowChecked(monitorNumber_, sys->GetMonitorNumber(), "0");
    telephone_->setText(platform::FromAnsi(sys->GetTelephoneNumber()));
}

bool PropPageSysModem::Save()
{
    SYSSetup* sys = BoundSys();
    if (!sys)
        return true;
    if (Edited(modemEnabled_))
        sys->SetModemEnabled(Checked(modemEnabled_));
    if (Edited(dialOnAlarm_))
        sys->SetDialOnAlarm(Checked(dialOnAlarm_));
    if (Edited(dialOnExceedance_))
        sys->SetDialOnExceedance(Checked(dialOnExceedance_));
    if (Edited(makerModem_))
        sys->SetMakerModem(Checked(makerModem_));
    if (Edited(initString_))
        sys->SetModemInitString(platform::ToAnsi(initString_->text()));
    if (Edited(monitorNumber_)) {
        const int number = AtoI(monitorNumber_->text());
        sys->SetMonitorNumber(number >= 0 && number <= 255 ? number : 0);
    }
    if (Edited(telephone_))
        sys->SetTelephoneNumber(platform::ToAnsi(telephone_->text()));
    return true;
}
