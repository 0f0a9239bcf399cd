#include "RT60OptionsDialog.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "OkCancelButtons.h"
#include "SetupValueTexts.h"

RT60OptionsDialog::RT60OptionsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Select RT60 dB down value.");
    auto* group = new QGroupBox("Select options to calculate and display RT60 values.", this);
    auto* form = new QFormLayout(group);
    dBDownList_ = new QComboBox(group);
    dBDownList_->setObjectName("dBDown");
    for (const char* text : {"  5", "10", "15", "20", "25", "30"})
        dBDownList_->addItem(text);
    startList_ = new QComboBox(group);
    startList_->setObjectName("StartFreq");
    endList_ = new QComboBox(group);
    endList_->setObjectName("EndFreq");
    form->addRow("RT60 dB down", dBDownList_);
    form->addRow("Beg. Freq.", startList_);
    form->addRow("End Freq.", endList_);

    connect(dBDownList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        dBDownIndex = index;
        if (index >= 0)
            dBDown = dBDownList_->itemText(index).toStdString();
    });
    connect(startList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            startFreq = index;
    });
    connect(endList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            endFreq = index;
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    AddOkCancelButtons(this, layout);
}

int RT60OptionsDialog::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void RT60OptionsDialog::FillBandLists()
{
    if (bandFlag < 0)
        return;
    const int count = bandFlag == 0 ? 11 : 33;
    for (QComboBox* list : {startList_, endList_}) {
        const QSignalBlocker blocker(list);
        list->clear();
        for (int band = 0; band < count; ++band) {
            std::string name;
            SSAValueTexts::BandName(bandFlag == 0 ? 3 * band + 1 : band, name);
            list->addItem(QString::fromStdString(name));
        }
    }
}

void RT60OptionsDialog::OnInitDialog()
{
    {
        const QSignalBlocker blocker(dBDownList_);
        dBDownIndex = dBDownList_->findText(QString::fromStdString(dBDown), Qt::MatchExactly | Qt::MatchCaseSensitive);
        dBDownList_->setCurrentIndex(dBDownIndex);
    }
    FillBandLists();
    // Stored indexes beyond the bands of the data loaded now (a third-octave
    // range after octave data) select the nearest band.
    const int last = endList_->count() - 1;
    if (last >= 0) {
        endFreq = std::clamp(endFreq, 0, last);
        startFreq = std::clamp(startFreq, 0, last);
    }
    const QSignalBlocker endBlocker(endList_);
    const QSignalBlocker startBlocker(startList_);
    endList_->setCurrentIndex(endFreq);
    startList_->setCurrentIndex(startFreq);
}
