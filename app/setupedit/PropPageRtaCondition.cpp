#include "PropPageRtaCondition.h"

#include <iterator>

#include <QComboBox>
#include <QGridLayout>

#include "FloatEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupRec.h"
#include "SetupValueTexts.h"

namespace {

// The three logic bits sit side by side in byte 48; each condition has its
// own pair of accessors.
const RtaConditionPage::Fields kArm = {
    &RTASetup::GetArmMode,    &RTASetup::SetArmMode,    &RTASetup::GetArmLogic,    &RTASetup::SetExceedanceTime,
    &RTASetup::GetArmLevel,   &RTASetup::SetArmLevel,   &RTASetup::GetArmTime,     &RTASetup::SetArmTime,
    &RTASetup::GetArmSamples, &RTASetup::SetArmSamples,
};
const RtaConditionPage::Fields kTrigger = {
    &RTASetup::GetTriggerMode,    &RTASetup::SetTriggerMode,    &RTASetup::GetTriggerLogic,
    &RTASetup::SetTriggerLogic,   &RTASetup::GetTriggerLevel,   &RTASetup::SetTriggerLevel,
    &RTASetup::GetTriggerTime,    &RTASetup::SetTriggerTime,    &RTASetup::GetTriggerSamples,
    &RTASetup::SetTriggerSamples,
};
const RtaConditionPage::Fields kEnd = {
    &RTASetup::GetEndMode,    &RTASetup::SetEndMode,    &RTASetup::GetEndLogic, &RTASetup::SetEndLogic,
    &RTASetup::GetEndLevel,   &RTASetup::SetEndLevel,   &RTASetup::GetEndTime,  &RTASetup::SetEndTime,
    &RTASetup::GetEndSamples, &RTASetup::SetEndSamples,
};

// Which parameters each mode uses: level, time, samples, logic.
struct ModeUse {
    bool level, time, samples, logic;
};
const ModeUse kModeUse[] = {
    {false, false, false, false},  // Now
    {true, true, false, false},    // L <
    {true, true, false, false},    // L =
    {true, true, false, false},    // L >
    {false, false, false, true},   // Input
    {false, true, false, false},   // Time
    {false, false, true, false},   // Count
};

// The list spaces the level comparisons of the reports' mode texts: "L<"
// shows as "L <".
std::string SpacedMode(std::string mode)
{
    if (mode.size() == 2 && mode[0] == 'L')
        mode.insert(1, 1, ' ');
    return mode;
}

}  // namespace

RtaConditionPage::RtaConditionPage(const QString& caption, int dialogId, const Fields& fields)
    : RtaSetupPage(caption, dialogId, caption.toLatin1().constData()), fields_(fields)
{
    auto* columns = new QHBoxLayout;
    auto* left = new QGridLayout;
    mode_ = MakeRtaList(this, "mode", CodeEntries(RTAValueTexts::TriggerModeText, SpacedMode));
    logic_ = MakeRtaList(this, "logic", {"Low", "High"});
    modeLabel_ = AddNamedRow(left, 0, "Mode", mode_, "mode");
    logicLabel_ = AddNamedRow(left, 1, "Logic", logic_, "logic");
    auto* right = new QGridLayout;
    level_ = MakeEdit<FloatEdit>(this, "level");
    time_ = MakeEdit<FloatEdit>(this, "time");
    samples_ = MakeEdit<RangeEdit>(this, "samples");
    levelLabel_ = AddNamedRow(right, 0, "Level (dB)", level_, "level");
    timeLabel_ = AddNamedRow(right, 1, "Time (s)", time_, "time");
    samplesLabel_ = AddNamedRow(right, 2, "Samples", samples_, "samples");
    columns->addLayout(left);
    columns->addLayout(right);
    Body()->addLayout(columns);
    Body()->addStretch(1);
    FollowTriggering();

    connect(mode_, &QComboBox::activated, this, &RtaConditionPage::OnModeSelChange);
}

void RtaConditionPage::OnInitDialog()
{
    CreateBadge();
    level_->SetRange(0.0f, 255.9f, 1);
    time_->SetRange(0.0f, 99.9999f, 4);
    time_->SetStep(0.0025f);
    samples_->SetRange(0, 65535);
    samples_->setMaxLength(5);
    if (GetSetup())
        Load();
}

void RtaConditionPage::Load()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    SetHeader();
    SetSelection(mode_, (rta->*fields_.getMode)());
    logic_->setCurrentIndex((rta->*fields_.getLogic)() ? 1 : 0);
    ShowChecked(level_, QString::asprintf("%5.1f", (rta->*fields_.getLevel)()), "0.0");
    ShowChecked(time_, QString::asprintf("%7.4f", (rta->*fields_.getTime)()), "0.0000");
    samples_->setText(IntText((rta->*fields_.getSamples)()));
    ShowRtaFileName();
    EnableAdvanced(rta->GetTriggeringEnabled() == 1);
}

bool RtaConditionPage::Save()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return true;
    // A mode beyond the list shows no selection and is kept; the level and
    // the time are shown rounded and written only when the user changed
    // them.
    if (const auto row = EditedRow(mode_))
        (rta->*fields_.setMode)(*row);
    if (Edited(logic_))
        (rta->*fields_.setLogic)(logic_->currentIndex() == 1 ? 1 : 0);
    if (Edited(level_))
        (rta->*fields_.setLevel)(static_cast<float>(AtoF(level_->text())));
    if (Edited(time_))
        (rta->*fields_.setTime)(static_cast<float>(AtoF(time_->text())));
    if (Edited(samples_))
        (rta->*fields_.setSamples)(AtoI(samples_->text()));
    return true;
}

void RtaConditionPage::EnableAdvanced(bool enabled)
{
    if (!HasWindow())
        return;
    EnableAll({modeLabel_, mode_}, enabled);
    if (enabled)
        OnModeSelChange();
    else
        EnableAll({timeLabel_, samplesLabel_, logicLabel_, levelLabel_, level_, time_, samples_, logic_}, false);
}

void RtaConditionPage::OnModeSelChange()
{
    const int mode = mode_->currentIndex();
    if (mode < 0 || mode >= static_cast<int>(std::size(kModeUse)))
        return;
    const ModeUse& use = kModeUse[mode];
    EnableAll({levelLabel_, level_}, use.level);
    EnableAll({timeLabel_, time_}, use.time);
    EnableAll({samplesLabel_, samples_}, use.samples);
    EnableAll({logicLabel_, logic_}, use.logic);
}

PropPageRtaArm::PropPageRtaArm() : RtaConditionPage("Arm", 269, kArm) {}

PropPageRtaTrigger::PropPageRtaTrigger() : RtaConditionPage("Trigger", 270, kTrigger) {}

PropPageRtaEnd::PropPageRtaEnd() : RtaConditionPage("End", 272, kEnd) {}
