#include "PropPageFft.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "CharClassEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageFft::PropPageFft() : SetupPage("FFT", 244)
{
    // The header keeps its dialog text: this page never showed the name.
    Header()->setText("FFT Analyzer Settings");
    AddTitleRows(&title_, &fileName_);

    auto* group = new QGroupBox("FFT", this);
    auto* grid = new QGridLayout(group);
    gain_ = MakeList(group, "gain", kGainEntries);
    bandwidth_ = MakeList(group, "bandwidth", {"200", "500", "1K", "2K", "5K", "10K", "20K"});
    averages_ = MakeEdit<RangeEdit>(group, "averageCount");
    overloadSkipping_ = MakeButton<QCheckBox>(group, "overloadSkipping", "Enable Overload Skipping");
    AddRow(grid, 0, "Gain", gain_);
    AddRow(grid, 1, "Bandwidth", bandwidth_);
    AddRow(grid, 2, "Count Averaging", averages_);
    grid->addWidget(overloadSkipping_, 3, 0, 1, 2);
    auto* windowGroup = new QGroupBox("Window", group);
    auto* windowColumn = new QVBoxLayout(windowGroup);
    const char* const names[] = {"Rectangular", "Hanning", "Flat-Top"};
    for (int i = 0; i < 3; ++i) {
        windows_[i] = MakeButton<QRadioButton>(windowGroup, QString("window%1").arg(i), names[i]);
        windowColumn->addWidget(windows_[i]);
    }
    grid->addWidget(windowGroup, 4, 0, 1, 2);
    Body()->addWidget(group);
    Body()->addStretch(1);
}

FFTSetup* PropPageFft::BoundFft() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetFFTSetup() : nullptr;
}

void PropPageFft::OnInitDialog()
{
    CreateBitmap(bitmap_, 242);
    averages_->SetRange(1, 65535);
    averages_->setMaxLength(5);
    if (GetSetup())
        Load();
}

void PropPageFft::Load()
{
    FFTSetup* fft = BoundFft();
    if (!fft)
        return;
    title_->setText(platform::FromAnsi(fft->GetTitle()));
    SetSelection(gain_, fft->GetGain());
    SetSelection(bandwidth_, fft->GetBandwidth());
    ShowChecked(averages_, fft->GetAverageCount(), "30");
    overloadSkipping_->setChecked(fft->IsOverloadSkipping() == 1);
    const int window = fft->GetWindow();
    for (int i = 0; i < 3; ++i) {
        // A window code outside the group leaves no button ticked.
        windows_[i]->setAutoExclusive(false);
        windows_[i]->setChecked(i == window);
        windows_[i]->setAutoExclusive(true);
    }
    ShowFileName(fileName_);
}

bool PropPageFft::Save()
{
    FFTSetup* fft = BoundFft();
    if (!fft)
        return true;
    if (Edited(title_))
        fft->SetTitle(platform::ToAnsi(title_->text()));
    // A stored code outside a list shows no selection and is kept.
    if (const auto row = EditedRow(gain_))
        fft->SetGain(*row);
    if (const auto row = EditedRow(bandwidth_))
        fft->SetBandwidth(*row);
    if (Edited(averages_))
        fft->SetAverageCount(AtoI(averages_->text()));
    if (Edited(overloadSkipping_))
        fft->SetOverloadSkipping(overloadSkipping_->isChecked() ? 1 : 0);
    // With no window ticked (a stored code outside the group) the code is kept.
    for (int i = 0; i < 3; ++i)
        if (Edited(windows_[i]) && windows_[i]->isChecked())
            fft->SetWindow(i);
    return true;
}

bool PropPageFft::OnKillActive()
{
    Commit();
    return true;
}
