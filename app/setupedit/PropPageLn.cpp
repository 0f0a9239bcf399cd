#include "PropPageLn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>

#include "FloatEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupRec.h"

namespace {

const char* const kDefaults[6] = {"1.67", "8.33", "33.33", "50.00", "66.67", "90.00"};

QLabel* Label(QWidget* parent, const char* text, std::vector<QWidget*>& group)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    group.push_back(label);
    return label;
}

}  // namespace

LnPage::LnPage(Kind kind, int dialogId) : SetupPage("Ln", dialogId), kind_(kind)
{
    Header()->setText(kind == Kind::Ssa   ? "Sound Level Meter / Real Time Analyzer Settings"
                      : kind == Kind::Log ? "Sound Level Meter Settings"
                                          : "ZU-Reru Settings");
    auto* top = new QGridLayout;
    enableLn_ = MakeButton<QCheckBox>(this, "enableLn", "Enable Ln");
    top->addWidget(enableLn_, 0, 0);
    // The logging meter always computes Ln values: its box is not offered.
    if (kind == Kind::Log) {
        enableLn_->hide();
        enableLn_->setEnabled(false);
    }
    startLevel_ = MakeEdit<RangeEdit>(this, "startLevel");
    lnControls_.push_back(startLevel_);
    top->addWidget(Label(this, "Start Level", lnControls_), 1, 0);
    top->addWidget(startLevel_, 1, 1);
    top->addWidget(Label(this, "dB", lnControls_), 1, 2);
    if (kind == Kind::Ssa) {
        spectralLn_ = MakeList(this, "spectralLn", {"None", "Overall", "Interval"});
        top->addWidget(new QLabel("Spectral Ln", this), 2, 0);
        top->addWidget(spectralLn_, 2, 1);
    }
    Body()->addLayout(top);

    auto* grid = new QGridLayout;
    grid->addWidget(Label(this, "Enter Ln Percentile values to be displayed", lnControls_), 0, 0, 1, 6);
    for (int i = 0; i < 6; ++i) {
        const int row = 1 + i % 3;
        const int column = i < 3 ? 0 : 3;
        const QByteArray name = "ln" + QByteArray::number(i + 1);
        percentiles_[i] = MakeEdit<FloatEdit>(this, name.constData());
        lnControls_.push_back(percentiles_[i]);
        grid->addWidget(Label(this, ("Ln " + QByteArray::number(i + 1)).constData(), lnControls_), row, column);
        grid->addWidget(percentiles_[i], row, column + 1);
        grid->addWidget(Label(this, "%", lnControls_), row, column + 2);
    }
    Body()->addLayout(grid);

    auto* reference = new QGridLayout;
    weighting_ = new QLabel("Flat", this);
    weighting_->setObjectName("weighting");
    detector_ = new QLabel("Impulse", this);
    detector_->setObjectName("detector");
    reference->addWidget(Label(this, "Weighting:", lnControls_), 0, 0);
    reference->addWidget(weighting_, 0, 1);
    reference->addWidget(Label(this, "Detector:", lnControls_), 1, 0);
    reference->addWidget(detector_, 1, 1);
    lnControls_.push_back(weighting_);
    lnControls_.push_back(detector_);
    Body()->addLayout(reference);
    Body()->addStretch(1);

    connect(enableLn_, &QCheckBox::clicked, this, &LnPage::OnEnableLnClicked);
}

MeasurementSetup* LnPage::Bound() const
{
    SetupRec* setup = GetSetup();
    if (!setup || !HasWindow())
        return nullptr;
    switch (kind_) {
    case Kind::Ssa: return setup->GetSSASetup();
    case Kind::Log: return setup->GetLOGSetup();
    case Kind::Tal: return setup->GetTALSetup();
    }
    return nullptr;
}

void LnPage::OnInitDialog()
{
    CreateBitmap(bitmap_, kind_ == Kind::Ssa ? 228 : kind_ == Kind::Log ? 234 : 241);
    toolTip_.Create(this);
    for (FloatEdit* edit : percentiles_)
        edit->SetRange(0.0f, 100.0f, 2);
    // Two digits can be typed; a longer stored level is still shown whole.
    startLevel_->SetTextLimit(2);
    if (GetSetup())
        Load();
}

void LnPage::SetHeader()
{
    if (Bound())
        Header()->setText(HeaderText(kind_ == Kind::Tal ? "ZU-Reru" : kSlmHeaderPrefix));
}

void LnPage::Load()
{
    MeasurementSetup* block = Bound();
    if (!block)
        return;
    SetHeader();
    switch (kind_) {
    case Kind::Ssa: enableLn_->setChecked(block->GetLnEnabled() != 0); break;
    case Kind::Log: enableLn_->setChecked(true); break;
    case Kind::Tal: enableLn_->setChecked(GetSetup()->GetTALSetup()->GetLnEnabled() != 0); break;
    }
    if (spectralLn_)
        SetSelection(spectralLn_, block->GetSpectralLn());
    for (int i = 0; i < 6; ++i)
        ShowChecked(percentiles_[i], QString::number(block->GetLn(i + 1), 'f', 2), kDefaults[i]);
    const QString level = IntText(block->GetLnStartLevel());
    startLevel_->setText(startLevel_->IsValid(level) ? level : QString());
    ApplyLnRule();
    ShowWeightingAndDetector();
}

void LnPage::OnEnableLnClicked()
{
    // The sound analyser's box reaches the setup at every click.
    if (kind_ == Kind::Ssa && GetSetup() && GetSetup()->GetSSASetup())
        GetSetup()->GetSSASetup()->SetLnEnabled(enableLn_->isChecked() ? 1 : 0);
    ApplyLnRule();
}

void LnPage::ApplyLnRule()
{
    const bool on = enableLn_->isChecked();
    switch (kind_) {
    case Kind::Ssa:
        for (QWidget* w : lnControls_)
            w->setEnabled(true);
        break;
    case Kind::Log:
        for (QWidget* w : lnControls_)
            w->setEnabled(true);
        break;
    case Kind::Tal:
        for (QWidget* w : lnControls_)
            w->setEnabled(on);
        break;
    }
}

void LnPage::ShowWeightingAndDetector()
{
    MeasurementSetup* block = Bound();
    if (!block)
        return;
    std::string text;
    if (kind_ == Kind::Log)
        LOGValueTexts::FreqWeightingText(GetSetup()->GetLOGSetup()->GetFreqWeighting(), text);
    else if (kind_ == Kind::Ssa)
        SSAValueTexts::WeightingText(block->MeasurementSetup::GetFreqWeighting(), text);
    else
        TALValueTexts::WeightingText(block->MeasurementSetup::GetFreqWeighting(), text);
    weighting_->setText(QString::fromStdString(text));
    if (kind_ == Kind::Log)
        ISMValueTexts::GetDetectorText(block->GetDetector(), text);
    else
        TALValueTexts::DetectorText(block->GetDetector(), text);
    detector_->setText(QString::fromStdString(text));
}

void LnPage::OnSetActive()
{
    SetupPage::OnSetActive();
    // The main page left just now has written its weighting and detector.
    ShowWeightingAndDetector();
}

bool LnPage::OnKillActive()
{
    // The ZU-Reru page writes itself whenever it is left.
    if (kind_ == Kind::Tal)
        Commit();
    return true;
}

bool LnPage::Save()
{
    MeasurementSetup* block = Bound();
    if (!block)
        return true;
    // The logging meter's hidden box is never edited: its Ln flag stays as
    // stored.
    if (Edited(enableLn_)) {
        if (kind_ == Kind::Ssa)
            block->SetLnEnabled(enableLn_->isChecked() ? 1 : 0);
        else if (kind_ == Kind::Tal)
            GetSetup()->GetTALSetup()->SetLnEnabled(enableLn_->isChecked() ? 1 : 0);
    }
    // A stored spectral Ln code outside the list shows no selection and is
    // kept.
    if (const auto row = spectralLn_ ? EditedRow(spectralLn_) : std::nullopt)
        block->SetSpectralLn(*row);
    if (Edited(startLevel_)) {
        const int level = AtoI(startLevel_->text());
        block->SetLnStartLevel(level >= 0 && level <= 99 ? level : 0);
    }
    for (int i = 0; i < 6; ++i)
        if (Edited(percentiles_[i]))
            block->SetLn(i + 1, static_cast<float>(AtoF(percentiles_[i]->text())));
    return true;
}
