#include "PropPageRtaTSetup.h"

#include <QComboBox>
#include <QGridLayout>

#include "BandNames.h"
#include "PageLayout.h"
#include "PropSheetSetup.h"
#include "SetupRec.h"
#include "SetupValueTexts.h"

namespace {

// The trigger sources as the list shows them, the row being the stored
// code: the third-octave bands by their number, without the unit (the "Hz"
// beside the list names it) and without ".0" ("16.0 Hz" shows as 16), then
// the flat level.
QStringList TriggerSourceEntries()
{
    QStringList entries;
    std::string text;
    for (int code = 0; code <= RTAValueTexts::kFlatTriggerSource; ++code) {
        RTAValueTexts::TriggerSourceText(code, text);
        if (code < RTAValueTexts::kFlatTriggerSource) {
            text = WithoutUnit(text);
            if (text.ends_with(".0"))
                text.resize(text.size() - 2);
        }
        entries << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    return entries;
}

}  // namespace

PropPageRtaTSetup::PropPageRtaTSetup() : RtaSetupPage("Trigger Setup", 264, "Triggering")
{
    auto* grid = new QGridLayout;
    enableTriggering_ = MakeButton<QCheckBox>(this, "enableTriggering", "Enable Triggering");
    triggerSource_ = MakeRtaList(this, "triggerSource", TriggerSourceEntries());
    runOnInput_ = MakeButton<QCheckBox>(this, "runOnInput", "Run on Input");
    runLogic_ = MakeRtaList(this, "runLogic", {"Low", "High"});
    grid->addWidget(enableTriggering_, 0, 0, 1, 3);
    triggerSourceLabel_ = AddNamedRow(grid, 1, "Trigger Source", triggerSource_, "triggerSource");
    hzLabel_ = new QLabel("Hz", this);
    hzLabel_->setObjectName("hzLabel");
    grid->addWidget(hzLabel_, 1, 2);
    grid->addWidget(runOnInput_, 2, 0, 1, 3);
    runLogicLabel_ = AddNamedRow(grid, 3, "Run Logic", runLogic_, "runLogic");
    Body()->addLayout(grid);
    Body()->addStretch(1);

    connect(enableTriggering_, &QCheckBox::clicked, this, &PropPageRtaTSetup::OnEnableTriggering);
    connect(runOnInput_, &QCheckBox::clicked, this, &PropPageRtaTSetup::OnRunOnInput);
}

void PropPageRtaTSetup::OnInitDialog()
{
    CreateBadge();
    if (GetSetup())
        Load();
}

void PropPageRtaTSetup::Load()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    SetHeader();
    enableTriggering_->setChecked(rta->GetTriggeringEnabled() == 1);
    SetSelection(triggerSource_, rta->GetTriggerSource());
    runOnInput_->setChecked(rta->GetRunOnInput() == 1);
    runLogic_->setCurrentIndex(rta->GetRunLogic() ? 1 : 0);
    OnEnableTriggering();
    ShowRtaFileName();
}

bool PropPageRtaTSetup::Save()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return true;
    if (Edited(enableTriggering_))
        rta->SetExceedanceHistoryEnabled(enableTriggering_->isChecked() ? 1 : 0);
    // A stored band beyond the list shows no selection and is kept as it is,
    // rather than replaced by a code no list knows.
    if (const auto row = EditedRow(triggerSource_))
        rta->SetTriggerSource(*row);
    if (Edited(runOnInput_))
        rta->SetRunOnInput(runOnInput_->isChecked() ? 1 : 0);
    if (Edited(runLogic_))
        rta->SetRunLogic(runLogic_->currentIndex() == 1 ? 1 : 0);
    return true;
}

bool PropPageRtaTSetup::IsTriggeringEnabled() const
{
    return !HasWindow() || enableTriggering_->isChecked();
}

void PropPageRtaTSetup::OnEnableTriggering()
{
    if (!HasWindow())
        return;
    const bool enabled = enableTriggering_->isChecked();
    EnableAll({triggerSource_, triggerSourceLabel_, hzLabel_, runOnInput_}, enabled);
    if (PropSheetSetup* sheet = GetSheet())
        sheet->EnableRtaTriggerPages(enabled ? 1 : 0);
    if (enabled)
        OnRunOnInput();
    else
        EnableAll({runLogic_, runLogicLabel_}, false);
}

void PropPageRtaTSetup::OnRunOnInput()
{
    if (!HasWindow())
        return;
    EnableAll({runLogic_, runLogicLabel_}, runOnInput_->isChecked());
}
