#include "HistogramOptionsDialog.h"

#include <span>
#include <utility>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "HistogramOptions.h"
#include "OkCancelButtons.h"
#include "Profile.h"
#include "Prompter.h"
#include "RangeEdit.h"
#include "TextNumbers.h"

namespace {

struct Entry {
    const char* text;
    int value;
};
constexpr Entry kSplResolutions[] = {{"0.1 dB", 1}, {"0.5 dB", 5}, {"1 dB", 10},
                                     {"2 dB", 20},  {"5 dB", 50},  {"10 dB", 100}};
constexpr Entry kDbResolutions[] = {{"1 dB", 1}, {"2 dB", 2}, {"5 dB", 5}, {"10 dB", 10}};

// The profile values of each column: resolution, low and high limit.
constexpr HistogramOptionSet kOptions[4] = {kSplHistogramOptions, kPeakHistogramOptions, kUwPeakHistogramOptions,
                                            kLnTableOptions};

// The whole number an edit holds, or false ("12a", "" and the like).
bool WholeNumber(const QString& text, int* value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

}  // namespace

HistogramOptionsDialog::HistogramOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Histogram Report Options");
    columns_[0] = {&splRes, &splLowLimit, &splHighLimit, 10.0f, nullptr, nullptr, nullptr};
    columns_[1] = {&peakRes, &peakLowLimit, &peakHighLimit, 1.0f, nullptr, nullptr, nullptr};
    columns_[2] = {&uwPkRes, &uwPkLowLimit, &uwPkHighLimit, 1.0f, nullptr, nullptr, nullptr};
    columns_[3] = {&lnTblRes, &lnTblLowLimit, &lnTblHighLimit, 1.0f, nullptr, nullptr, nullptr};

    auto* histograms = new QGroupBox(this);
    auto* grid = new QGridLayout(histograms);
    auto* lnGroup = new QGroupBox("Interval/Daily", this);
    auto* lnGrid = new QGridLayout(lnGroup);
    const char* const rows[] = {"Resolution:", "Low Limit:", "High Limit:"};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(rows[r], histograms), r + 1, 0);
        lnGrid->addWidget(new QLabel(rows[r], lnGroup), r + 1, 0);
    }
    const char* const headings[] = {"SPL", "Peak", "Uw Peak", "SPL"};
    for (int i = 0; i < 4; ++i) {
        QWidget* box = i < 3 ? static_cast<QWidget*>(histograms) : lnGroup;
        QGridLayout* layout = i < 3 ? grid : lnGrid;
        const int column = 1 + 2 * (i < 3 ? i : 0);
        Column& c = columns_[i];
        layout->addWidget(new QLabel(headings[i], box), 0, column);
        c.combo = new QComboBox(box);
        c.combo->setObjectName(kOptions[i].resolution.key);
        c.lowEdit = new RangeEdit(box);
        c.lowEdit->setObjectName(kOptions[i].low.key);
        c.highEdit = new RangeEdit(box);
        c.highEdit->setObjectName(kOptions[i].high.key);
        layout->addWidget(c.combo, 1, column, 1, 2);
        layout->addWidget(c.lowEdit, 2, column);
        layout->addWidget(new QLabel("dB", box), 2, column + 1);
        layout->addWidget(c.highEdit, 3, column);
        layout->addWidget(new QLabel("dB", box), 3, column + 1);
        connect(c.combo, &QComboBox::activated, this, [this, &c] { OnResolutionChanged(c); });
        for (RangeEdit* edit : {c.lowEdit, c.highEdit})
            connect(edit, &QLineEdit::editingFinished, this, [this, &c] { OnLimitEdited(c); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(histograms);
    layout->addWidget(lnGroup);
    layout->addWidget(
        new QLabel("Note: High limit will be adjusted downward, if necessary, to maintain even steps.", this));
    AddOkCancelButtons(this, layout);
}

int HistogramOptionsDialog::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void HistogramOptionsDialog::OnInitDialog()
{
    platform::Profile& profile = platform::AppProfile();
    for (int i = 0; i < 4; ++i) {
        Column& c = columns_[i];
        const HistogramOptionSet& options = kOptions[i];
        *c.res = options.resolution.Read(profile);
        *c.low = options.low.Read(profile);
        *c.high = options.high.Read(profile);

        c.combo->clear();
        int selected = 0;
        const std::span<const Entry> entries =
            i == 0 ? std::span<const Entry>(kSplResolutions) : std::span<const Entry>(kDbResolutions);
        for (const Entry& e : entries) {
            if (e.value == *c.res)
                selected = c.combo->count();
            c.combo->addItem(e.text, e.value);
        }
        // A stored resolution that is not in the list is shown and kept as
        // the first entry.
        c.combo->setCurrentIndex(selected);
        *c.res = c.combo->currentData().toInt();

        for (RangeEdit* edit : {c.lowEdit, c.highEdit}) {
            edit->SetRange(0, 255);
            edit->setMaxLength(3);
        }
        c.lowEdit->setText(IntText(*c.low));
        c.highEdit->setText(IntText(*c.high));
    }
}

void HistogramOptionsDialog::KeepEvenSteps(int& low, int& high, float resolution)
{
    if (low > high)
        std::swap(low, high);
    if (resolution > 1.0f) {
        const int step = static_cast<int>(resolution);
        high -= (high - low) % step;
    }
}

void HistogramOptionsDialog::AdjustColumn(Column& c)
{
    KeepEvenSteps(*c.low, *c.high, static_cast<float>(*c.res) / c.resDivisor);
    c.lowEdit->setText(IntText(*c.low));
    c.highEdit->setText(IntText(*c.high));
}

void HistogramOptionsDialog::OnResolutionChanged(Column& c)
{
    *c.res = c.combo->currentData().toInt();
    AdjustColumn(c);
}

void HistogramOptionsDialog::OnLimitEdited(Column& c)
{
    int low = 0;
    int high = 0;
    if (!WholeNumber(c.lowEdit->text(), &low) || !WholeNumber(c.highEdit->text(), &high))
        return;
    *c.low = low;
    *c.high = high;
    AdjustColumn(c);
}

void HistogramOptionsDialog::accept()
{
    int values[4][2] = {};
    for (int i = 0; i < 4; ++i) {
        RangeEdit* edits[2] = {columns_[i].lowEdit, columns_[i].highEdit};
        for (int j = 0; j < 2; ++j) {
            int& value = values[i][j];
            const char* problem = nullptr;
            if (!WholeNumber(edits[j]->text(), &value))
                problem = "Please enter an integer.";
            else if (i < 3 && (value < 0 || value > 255))
                problem = "Please enter an integer between 0 and 255.";
            if (problem) {
                platform::AppPrompter().Message(problem, platform::Icon::Warning);
                edits[j]->setFocus();
                edits[j]->selectAll();
                return;
            }
        }
    }
    for (int i = 0; i < 4; ++i) {
        *columns_[i].low = values[i][0];
        *columns_[i].high = values[i][1];
        if (columns_[i].combo->currentIndex() >= 0)
            *columns_[i].res = columns_[i].combo->currentData().toInt();
    }
    QDialog::accept();
}
