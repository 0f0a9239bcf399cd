#include "PropPageRta.h"

#include <QGridLayout>

#include "CharClassEdit.h"
#include "FloatEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "RangeEdit.h"
#include "ReportNumbers.h"
#include "SetupRec.h"
#include "SetupValueTexts.h"

namespace {

// The RT60 dB-down steps of a setup format, as the report names them but
// without " dB": format 4 and later know 15 and 25 dB too.
QStringList Rt60Steps(int version)
{
    QStringList steps;
    for (unsigned index = 0; const int db = RT60DbDownFromIndex(static_cast<float>(version), index); ++index)
        steps << QString::number(db);
    return steps;
}

}  // namespace

PropPageRta::PropPageRta() : RtaSetupPage("RTA", 246, "RTA")
{
    AddTitleRows(&title_, nullptr);

    auto* columns = new QHBoxLayout;
    auto* left = new QGridLayout;
    gain_ = MakeRtaList(this, "gain", kGainEntries);
    bandwidth_ = MakeRtaList(this, "bandwidth", {"1/1", "1/3"});
    rt60DbDown_ = MakeRtaList(this, "rt60DbDown", Rt60Steps(0));
    AddRow(left, 0, "Gain", gain_);
    AddRow(left, 1, "Bandwidth", bandwidth_);
    AddRow(left, 2, "RT60 dB Down", rt60DbDown_);
    auto* right = new QGridLayout;
    detector_ = MakeRtaList(this, "detector", {"Linear", "Exponential"});
    linDetectorTime_ = MakeEdit<FloatEdit>(this, "linDetectorTime");
    expDetectorTime_ = MakeRtaList(this, "expDetectorTime", CodeEntries(RTAValueTexts::ExpDetectorTimeText));
    expStoreRate_ = MakeRtaList(this, "expStoreRate", {"1/2", "1/8"});
    AddRow(right, 0, "Detector", detector_);
    AddRow(right, 1, "Lin Detector Time", linDetectorTime_);
    AddRow(right, 2, "Exp Detector Time", expDetectorTime_);
    AddRow(right, 3, "Exp Store Rate", expStoreRate_);
    columns->addLayout(left);
    columns->addLayout(right);
    Body()->addLayout(columns);
    Body()->addStretch(1);

    connect(detector_, &QComboBox::activated, this, &PropPageRta::OnDetectorSelChange);
}

void PropPageRta::OnInitDialog()
{
    linDetectorTime_->SetRange(0.0025f, 99.9999f, 4);
    linDetectorTime_->SetStep(0.0025f);
    CreateBadge();
    if (GetSetup())
        Load();
}

void PropPageRta::Load()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    SetHeader();
    title_->setText(platform::FromAnsi(rta->GetTitle()));
    SetSelection(gain_, rta->GetGain());
    bandwidth_->setCurrentIndex(rta->GetBandwidth() ? 1 : 0);
    rt60DbDown_->clear();
    rt60DbDown_->addItems(Rt60Steps(rta->GetVersion()));
    SetSelection(rt60DbDown_, rta->GetRt60DbDown());
    SetSelection(detector_, rta->GetDetector());
    ShowChecked(linDetectorTime_, QString::asprintf("%.4f", rta->GetLinDetectorTime()), "0.0000");
    SetSelection(expDetectorTime_, rta->GetExpDetectorTime());
    SetSelection(expStoreRate_, rta->GetExpStoreRate());
    OnDetectorSelChange();
    ShowRtaFileName();
}

bool PropPageRta::Save()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return true;
    if (Edited(title_))
        rta->SetTitle(platform::ToAnsi(title_->text()));
    // A stored code beyond its list shows no selection and is kept as it
    // is, rather than replaced by a code the user never chose.
    if (const auto row = EditedRow(gain_))
        rta->SetGain(*row);
    if (Edited(bandwidth_))
        rta->SetBandwidth(bandwidth_->currentIndex() == 1 ? 1 : 0);
    if (const auto row = EditedRow(rt60DbDown_))
        rta->SetRt60DbDown(*row);
    if (const auto row = EditedRow(detector_))
        rta->SetDetector(*row);
    if (Edited(linDetectorTime_))
        rta->SetLinDetectorTime(static_cast<float>(AtoF(linDetectorTime_->text())));
    if (const auto row = EditedRow(expDetectorTime_))
        rta->SetExpDetectorTime(*row);
    if (const auto row = EditedRow(expStoreRate_))
        rta->SetExpStoreRate(*row);
    return true;
}

void PropPageRta::OnDetectorSelChange()
{
    const int detector = detector_->currentIndex();
    linDetectorTime_->setEnabled(detector == 0);
    EnableAll({expDetectorTime_, expStoreRate_}, detector == 1);
}

PropPageRtaAutoStore::PropPageRtaAutoStore() : RtaSetupPage("AutoStore", 267, "AutoStore")
{
    auto* grid = new QGridLayout;
    enableAutoStore_ = MakeButton<QCheckBox>(this, "enableAutoStore", "Enable AutoStore");
    pretrigger_ = MakeEdit<RangeEdit>(this, "pretrigger");
    saveByTime_ = MakeButton<QCheckBox>(this, "saveByTime", "Save ByTime");
    grid->addWidget(enableAutoStore_, 0, 0, 1, 2);
    pretriggerLabel_ = AddNamedRow(grid, 1, "Pretrigger number", pretrigger_, "pretrigger");
    grid->addWidget(saveByTime_, 2, 0, 1, 2);
    Body()->addLayout(grid);
    Body()->addStretch(1);

    connect(enableAutoStore_, &QCheckBox::clicked, this, &PropPageRtaAutoStore::OnEnableAutoStore);
}

void PropPageRtaAutoStore::OnInitDialog()
{
    pretrigger_->SetRange(0, 400);
    pretrigger_->setMaxLength(3);
    CreateBadge();
    if (GetSetup())
        Load();
}

void PropPageRtaAutoStore::Load()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    SetHeader();
    enableAutoStore_->setChecked(rta->GetIntervalTimeSync() == 1);
    ShowChecked(pretrigger_, rta->GetPretriggerCount(), "0");
    saveByTime_->setChecked(rta->GetIntervalHistoryEnabled() == 1);
    ShowRtaFileName();
    OnEnableAutoStore();
}

bool PropPageRtaAutoStore::Save()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return true;
    if (Edited(enableAutoStore_))
        rta->SetIntervalTimeSync(enableAutoStore_->isChecked() ? 1 : 0);
    if (Edited(pretrigger_))
        rta->SetPretriggerCount(AtoI(pretrigger_->text()));
    if (Edited(saveByTime_))
        rta->SetIntervalHistoryEnabled(saveByTime_->isChecked() ? 1 : 0);
    return true;
}

void PropPageRtaAutoStore::OnEnableAutoStore()
{
    if (!HasWindow())
        return;
    EnableAll({saveByTime_, pretriggerLabel_, pretrigger_}, enableAutoStore_->isChecked());
}
