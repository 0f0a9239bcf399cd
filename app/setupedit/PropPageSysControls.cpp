#include "PropPageSysControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"

namespace {

constexpr int kRunModeCode = 16;
constexpr int kExceedanceCode = 17;

const struct {
    const char* name;
    const char* text;
} kEvents[] = {
    {"rms", "RMS - when an RMS Exceedance event occurs"},
    {"peak", "Peak- when a Peak Exceedance event occurs"},
    {"interval", "Interval - when each Interval begins"},
    {"ad", "A:D - when an event on an A:D channel occurs"},
};

}  // namespace

PropPageSysControls::PropPageSysControls() : SysSetupPage("Controls", 166, "Control Connector")
{
    enable_ = MakeButton<QCheckBox>(this, "enableOutput", "Enable Logic Output");
    Body()->addWidget(enable_);

    auto* grid = new QGridLayout;
    eventRadio_ = MakeButton<QRadioButton>(this, "eventRadio", "");
    grid->addWidget(eventRadio_, 0, 0);
    for (size_t i = 0; i < events_.size(); ++i) {
        events_[i] = MakeButton<QCheckBox>(this, kEvents[i].name, kEvents[i].text);
        grid->addWidget(events_[i], static_cast<int>(i), 1);
    }
    runRadio_ = MakeButton<QRadioButton>(this, "runRadio", "R/S - when the instrument is in run mode");
    excdRadio_ = MakeButton<QRadioButton>(this, "excdRadio", "Excd");
    grid->addWidget(runRadio_, 4, 0, 1, 2);
    grid->addWidget(excdRadio_, 5, 0, 1, 2);
    radios_ = new QButtonGroup(this);
    for (QRadioButton* r : {eventRadio_, runRadio_, excdRadio_})
        radios_->addButton(r);
    Body()->addLayout(grid);

    auto* lower = new QGridLayout;
    holdTime_ = MakeEdit<RangeEdit>(this, "holdTime");
    holdLabel_ = AddRow(lower, 0, "Logic-Output Hold Time", holdTime_);
    secondsLabel_ = new QLabel("seconds", this);
    lower->addWidget(secondsLabel_, 0, 2);
    inputMode_ = MakeList(this, "inputMode", {"None", "Pause", "Toggle", "Level", "Alarm"});
    // A typed text selects the row it names; it never adds a row.
    inputMode_->setEditable(true);
    inputMode_->setInsertPolicy(QComboBox::NoInsert);
    AddRow(lower, 1, "Logic-Input Mode", inputMode_);
    Body()->addLayout(lower);
    Body()->addStretch(1);

    connect(enable_, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    connect(eventRadio_, &QRadioButton::clicked, this, [this] { OnEventRadioClicked(); });
    for (QRadioButton* r : {runRadio_, excdRadio_})
        connect(r, &QRadioButton::clicked, this, [this, r] { OnOtherRadioClicked(r); });
}

void PropPageSysControls::OnInitDialog()
{
    CreateSystemBitmap();
    toolTip_.Create(this);
    // The block takes 255 as 10 seconds: the field offers what it keeps.
    holdTime_->SetRange(0, 254);
    holdTime_->setMaxLength(3);
    if (GetSetup())
        Load();
}

void PropPageSysControls::Load()
{
    const SYSSetup* sys = BoundSys();
    if (!sys)
        return;
    const int code = sys->GetLogicOutputCode();
    enable_->setChecked(code != 0);
    if (code != 0) {
        const bool eventCode = code < kRunModeCode;
        QRadioButton* radio = eventCode ? eventRadio_ : code == kRunModeCode ? runRadio_ : excdRadio_;
        radio->setChecked(true);
        for (size_t i = 0; i < events_.size(); ++i)
            events_[i]->setChecked(eventCode && (code & (1 << i)) != 0);
    }
    SetSelection(inputMode_, sys->GetLogicInputMode());
    holdTime_->setText(IntText(sys->GetLogicOutputTime()));
    ApplyEnableRule();
}

bool PropPageSysControls::Save()
{
    SYSSetup* sys = BoundSys();
    if (!sys)
        return true;
    if (Edited({enable_, eventRadio_, runRadio_, excdRadio_}) ||
        Edited({events_[0], events_[1], events_[2], events_[3]})) {
        int code = 0;
        if (!enable_->isChecked())
            code = 0;
        else if (runRadio_->isChecked())
            code = kRunModeCode;
        else if (excdRadio_->isChecked())
            code = kExceedanceCode;
        else if (eventRadio_->isChecked())
            for (size_t i = 0; i < events_.size(); ++i)
                code |= events_[i]->isChecked() ? 1 << i : 0;
        sys->SetLogicOutputCode(code);
    }
    // The row the typed text names is stored; a text that names none keeps
    // the stored mode.
    const int mode = inputMode_->findText(inputMode_->currentText(), Qt::MatchFixedString);
    if (Edited(inputMode_) && mode >= 0)
        sys->SetLogicInputMode(mode);
    if (Edited(holdTime_))
        sys->SetLogicOutputTime(AtoI(holdTime_->text()));
    return true;
}

void PropPageSysControls::ApplyEnableRule()
{
    const bool on = enable_->isChecked();
    if (!on) {
        ClearRadios();
        for (QCheckBox* box : events_)
            box->setChecked(false);
    }
    for (QRadioButton* r : {eventRadio_, runRadio_, excdRadio_})
        r->setEnabled(on);
    for (QCheckBox* box : events_)
        box->setEnabled(on && eventRadio_->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{holdTime_, holdLabel_, secondsLabel_})
        w->setEnabled(on);
}

void PropPageSysControls::OnEventRadioClicked()
{
    if (!eventRadio_->isChecked())
        return;
    for (QCheckBox* box : events_)
        box->setEnabled(true);
    events_[0]->setChecked(true);
}

void PropPageSysControls::ClearRadios()
{
    // An exclusive group keeps one radio ticked: it lets go only while it is
    // not exclusive.
    radios_->setExclusive(false);
    for (QAbstractButton* r : radios_->buttons())
        r->setChecked(false);
    radios_->setExclusive(true);
}

void PropPageSysControls::OnOtherRadioClicked(QRadioButton* clicked)
{
    if (!clicked->isChecked())
        return;
    for (QCheckBox* box : events_) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}
