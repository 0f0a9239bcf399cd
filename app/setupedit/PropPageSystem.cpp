#include "PropPageSystem.h"

#include <string>

#include <QGridLayout>

#include "CharClassEdit.h"
#include "PageLayout.h"
#include "PropSheetSetup.h"
#include "QtPlatform.h"
#include "SetupDocument.h"

namespace {

QLabel* MakeValue(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

PropPageSystem::PropPageSystem() : SysSetupPage("Title", 167, "Instrument Labels")
{
    auto* grid = new QGridLayout;
    model_ = MakeValue(this, "model");
    serialNumber_ = MakeValue(this, "serialNumber");
    revision_ = MakeValue(this, "revision");
    instrumentType_ = MakeValue(this, "instrumentType");
    activeSetup_ = MakeValue(this, "activeSetup");
    name_ = MakeEdit<CharClassEdit>(this, "instrumentName");
    description1_ = MakeEdit<CharClassEdit>(this, "description1");
    description2_ = MakeEdit<CharClassEdit>(this, "description2");
    AddRow(grid, 0, "Model", model_);
    AddRow(grid, 1, "Serial Number", serialNumber_);
    AddRow(grid, 2, "Revision", revision_);
    AddRow(grid, 3, "Instrument Type", instrumentType_);
    AddRow(grid, 4, "Active Setup", activeSetup_);
    AddRow(grid, 5, "Instrument Name", name_);
    AddRow(grid, 6, "Description 1", description1_);
    AddRow(grid, 7, "Description 2", description2_);
    Body()->addLayout(grid);
    Body()->addStretch(1);
}

void PropPageSystem::OnInitDialog()
{
    CreateSystemBitmap();
    toolTip_.Create(this);
    const PropSheetSetup* sheet = GetSheet();
    doc_ = sheet ? sheet->GetDocument() : nullptr;
    for (CharClassEdit* edit : {name_, description1_, description2_})
        edit->setMaxLength(30);
    if (GetSetup())
        Load();
}

void PropPageSystem::Load()
{
    const SYSSetup* sys = BoundSys();
    if (!sys)
        return;
    const SetupRec* record = GetSetup();
    model_->setText(platform::FromAnsi(record->GetInstrumentId()));
    serialNumber_->setText(platform::FromAnsi(sys->GetSerialNumber()));
    // The record's revision text takes the place of the block's own.
    revision_->setText(platform::FromAnsi(sys->GetRevision()));
    revision_->setText(platform::FromAnsi(record->GetRevisionText()));
    name_->setText(platform::FromAnsi(sys->GetInstrumentName()));
    description1_->setText(platform::FromAnsi(sys->GetDescription1()));
    description2_->setText(platform::FromAnsi(sys->GetDescription2()));
    QString active;
    QString type;
    if (doc_) {
        active = platform::FromAnsi(doc_->GetActiveSetupName());
        std::string text;
        type = platform::FromAnsi(SYSSetup::ModeText(doc_->GetInstrumentSetupType(), text));
    }
    activeSetup_->setText(active);
    instrumentType_->setText(type);
}

bool PropPageSystem::Save()
{
    SYSSetup* sys = BoundSys();
    if (!sys)
        return true;
    if (Edited(name_))
        sys->SetInstrumentName(platform::ToAnsi(name_->text()));
    if (Edited(description1_))
        sys->SetDescription1(platform::ToAnsi(description1_->text()));
    if (Edited(description2_))
        sys->SetDescription2(platform::ToAnsi(description2_->text()));
    return true;
}
