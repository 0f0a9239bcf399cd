#include "PropPageSysCalib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "EngFloatEdit.h"
#include "EngineeringText.h"
#include "FloatEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "RangeEdit.h"

namespace {

// Microphone types with their noise floor in dB: a pick only fills the
// noise floor field, the list itself is stored nowhere.
const char* const kMics[] = {
    "- Select Mic -", "K110 / 30.00", "K210 / 30.00", "K120 / 31.00", "K220 / 31.00", "K130 / 20.00",
    "K230 / 20.00",   "K131 / 15.00", "K141 / 15.00", "K231 / 15.00", "K150 / 18.00", "K250 / 18.00",
    "K160 / 15.00",   "K260 / 15.00", "K170 / 10.00", "K180 / 10.00",
};

const char* const kUnits[] = {"", "V", "Pa", "m", "m/s", "m/s2", "g", "inch", "\"/s", "\"/s2", "Unit"};

QString Fixed2(double value)
{
    return QString::number(value, 'f', 2);
}

// The scale factor in engineering form with seven significant digits: the
// factor is stored to a 256th of a dB, and a text read back from the field
// gives the same stored value ("94.40609u" for 80.5 dB). At most nine
// characters, so the field's ten take it whole.
QString EuFactorText(double factor)
{
    if (!(factor > 0.0))
        return QString("1");
    struct Scale {
        double below;
        double factor;
        const char* letter;
    };
    const Scale scales[] = {{1e-3, 1e6, "u"}, {1.0, 1e3, "m"}, {1e3, 1.0, ""}, {1e6, 1e-3, "k"}};
    double scaled = factor * 1e-6;
    const char* letter = "M";
    for (const Scale& sc : scales) {
        if (factor < sc.below) {
            scaled = factor * sc.factor;
            letter = sc.letter;
            break;
        }
    }
    const int whole = scaled >= 100.0 ? 3 : scaled >= 10.0 ? 2 : 1;
    QString text = QString::number(scaled, 'f', 7 - whole);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.')))
        text.chop(1);
    return text + QString::fromLatin1(letter);
}

}  // namespace

PropPageSysCalib::PropPageSysCalib() : SysSetupPage("Calib", 168, "Calibration")
{
    auto* transducerGroup = new QGroupBox("Transducer", this);
    auto* grid = new QGridLayout(transducerGroup);
    transducer_ = MakeList(transducerGroup, "transducer", {"Condensor", "Electret", "Direct"});
    mic_ = new QComboBox(transducerGroup);
    mic_->setObjectName("micFloor");
    for (const char* row : kMics)
        mic_->addItem(QString::fromLatin1(row));
    noiseFloor_ = MakeEdit<FloatEdit>(transducerGroup, "noiseFloor");
    AddRow(grid, 0, "Transducer", transducer_);
    AddRow(grid, 1, "Mic-based Floor", mic_);
    AddRow(grid, 2, "NoiseFloor", noiseFloor_, "dB");
    Body()->addWidget(transducerGroup);

    randomIncidence_ = MakeButton<QCheckBox>(this, "randomIncidence", "Random Incidence Correction");
    Body()->addWidget(randomIncidence_);

    auto* checkGroup = new QGroupBox("Auto Calibration Check", this);
    auto* checkGrid = new QGridLayout(checkGroup);
    autoCheck_ = MakeButton<QCheckBox>(checkGroup, "autoCheck", "Enable");
    noiseFloorCheck_ = MakeButton<QCheckBox>(checkGroup, "noiseFloorCheck", "Check Noise Floor");
    hour_ = MakeEdit<RangeEdit>(checkGroup, "checkHour");
    minute_ = MakeEdit<RangeEdit>(checkGroup, "checkMinute");
    checkGrid->addWidget(autoCheck_, 0, 0);
    checkGrid->addWidget(noiseFloorCheck_, 0, 1);
    AddRow(checkGrid, 1, "Time", hour_);
    checkGrid->addWidget(minute_, 1, 2);
    Body()->addWidget(checkGroup);

    auto* calibratorGroup = new QGroupBox("Calibrator", this);
    auto* calGrid = new QGridLayout(calibratorGroup);
    calibratorLevel_ = MakeEdit<FloatEdit>(calibratorGroup, "calibratorLevel");
    calibratorSerial_ = MakeEdit<QLineEdit>(calibratorGroup, "calibratorSerial");
    AddRow(calGrid, 0, "Calibrator Level", calibratorLevel_, "dB");
    AddRow(calGrid, 1, "Calibrator Serial Number", calibratorSerial_);
    Body()->addWidget(calibratorGroup);

    auto* euGroup = new QGroupBox("Linear Engineering Units (FFT)", this);
    auto* euGrid = new QGridLayout(euGroup);
    scaleFactor_ = MakeEdit<EngFloatEdit>(euGroup, "scaleFactor");
    unitsLabel_ = new QComboBox(euGroup);
    unitsLabel_->setObjectName("unitsLabel");
    unitsLabel_->setEditable(true);
    for (const char* unit : kUnits)
        unitsLabel_->addItem(QString::fromLatin1(unit));
    unitsLabel_->lineEdit()->setMaxLength(4);
    AddRow(euGrid, 0, "Scale Factor", scaleFactor_, "Volts/Unit");
    AddRow(euGrid, 1, "Units Label", unitsLabel_);
    Body()->addWidget(euGroup);
    Body()->addStretch(1);

    connect(transducer_, &QComboBox::currentIndexChanged, this, [this] { OnTransducerChanged(); });
    connect(mic_, &QComboBox::activated, this, [this](int row) { OnMicChanged(row); });
    connect(autoCheck_, &QCheckBox::clicked, this, [this] { OnEnableClicked(); });
}

void PropPageSysCalib::OnInitDialog()
{
    CreateSystemBitmap();
    toolTip_.Create(this);
    randomIncidence_->setChecked(true);
    hour_->SetRange(0, 23);
    hour_->setMaxLength(2);
    minute_->SetRange(0, 59);
    minute_->setMaxLength(2);
    calibratorLevel_->SetRange(0.0f, 200.0f, 2);
    calibratorLevel_->setMaxLength(6);
    toolTip_.AddWindowTool(calibratorLevel_, "Typically 94 dB or 114 dB");
    noiseFloor_->SetRange(0.0f, 50.0f, 2);
    noiseFloor_->setMaxLength(5);
    toolTip_.AddWindowTool(noiseFloor_, "Typically 10 dB to 31 dB - min:0.0, max 50.0");
    scaleFactor_->SetRange(1e-6f, 1e6f, 9);
    scaleFactor_->setMaxLength(10);
    mic_->setCurrentIndex(0);
    calibratorSerial_->setMaxLength(8);
    if (GetSetup())
        Load();
}

void PropPageSysCalib::Load()
{
    const SYSSetup* sys = BoundSys();
    if (!sys)
        return;
    randomIncidence_->setChecked(sys->GetRandomIncidence() != 0);
    noiseFloorCheck_->setChecked(sys->IsNoiseFloorCheck() != 0);
    autoCheck_->setChecked(sys->IsAutoCalCheck() != 0);
    ShowChecked(hour_, TwoDigitText(sys->GetAutoCalHour()), "00");
    ShowChecked(minute_, TwoDigitText(sys->GetAutoCalMinute()), "00");
    ShowChecked(calibratorLevel_, Fixed2(sys->GetCalibratorLevel()), "114.00");
    calibratorSerial_->setText(platform::FromAnsi(sys->GetCalibratorSerial()));
    ShowChecked(noiseFloor_, Fixed2(GetSetup()->GetParam207()), "15.00");
    SetSelection(transducer_, sys->GetTransducer());
    OnTransducerChanged();
    // A factor outside the field's range shows "1", which is written only
    // when the user edits the field.
    const QString factor = EuFactorText(sys->GetEuScaleFactor());
    QString probe = factor;
    scaleFactor_->setText(scaleFactor_->IsValid(probe) ? factor : QString("1"));
    unitsLabel_->setEditText(platform::FromAnsi(sys->GetEuUnitsLabel()));
    OnEnableClicked();
}

bool PropPageSysCalib::Save()
{
    SYSSetup* sys = BoundSys();
    if (!sys)
        return true;
    if (Edited(randomIncidence_))
        sys->SetRandomIncidence(randomIncidence_->isChecked() ? 1 : 0);
    // Two setters take two fields each: the one the user did not edit goes
    // back as stored.
    if (Edited({hour_, minute_}))
        WriteShared(sys, [&](bool edits) {
            sys->SetAutoCalTime(edits && Edited(hour_) ? AtoI(hour_->text()) : sys->GetAutoCalHour(),
                                edits && Edited(minute_) ? AtoI(minute_->text()) : sys->GetAutoCalMinute());
        });
    if (Edited({autoCheck_, noiseFloorCheck_}))
        WriteShared(sys, [&](bool edits) {
            sys->SetAutoCalCheck(edits && Edited(autoCheck_) ? autoCheck_->isChecked() : sys->IsAutoCalCheck(),
                                 edits && Edited(noiseFloorCheck_) ? noiseFloorCheck_->isChecked()
                                                                   : sys->IsNoiseFloorCheck());
        });
    if (Edited(calibratorLevel_))
        sys->SetCalibratorLevel(AtoF(calibratorLevel_->text()));
    if (Edited(calibratorSerial_))
        sys->SetCalibratorSerial(platform::ToAnsi(calibratorSerial_->text()));
    if (Edited(noiseFloor_))
        GetSetup()->SetParam207(static_cast<float>(AtoF(noiseFloor_->text())));
    if (const auto row = EditedRow(transducer_))
        sys->SetTransducer(*row);
    if (Edited(scaleFactor_))
        sys->SetEuScaleFactor(ParseEngineeringValue(scaleFactor_->text().toStdString()));
    if (Edited(unitsLabel_))
        sys->SetEuUnitsLabel(platform::ToAnsi(unitsLabel_->currentText().left(4)));
    return true;
}

void PropPageSysCalib::OnTransducerChanged()
{
    mic_->setEnabled(transducer_->currentIndex() == 0);
}

void PropPageSysCalib::OnMicChanged(int row)
{
    if (row <= 0)
        return;
    noiseFloor_->setText(mic_->itemText(row).right(5));
    mic_->setCurrentIndex(0);
}

void PropPageSysCalib::OnEnableClicked()
{
    const bool on = autoCheck_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{noiseFloorCheck_, hour_, minute_})
        w->setEnabled(on);
}
