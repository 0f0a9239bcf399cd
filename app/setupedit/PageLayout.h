#pragma once
// Small helpers that build the controls of the setup pages.
#include <initializer_list>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

// A drop-down list with these entries, named for tests and the page.
inline QComboBox* MakeList(QWidget* parent, const char* name, std::initializer_list<const char*> entries)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const char* entry : entries)
        combo->addItem(QString::fromLatin1(entry));
    return combo;
}

// The entries of the lists that several pages offer, in the order of the
// stored codes.
inline constexpr std::initializer_list<const char*> kGainEntries = {"-20", "-10", "+0",  "+10",
                                                                    "+20", "+30", "+40", "+50"};
inline constexpr std::initializer_list<const char*> kWeightingEntries = {"A", "C", "Flat"};
inline constexpr std::initializer_list<const char*> kExchangeRateEntries = {"3 dB", "4 dB", "5 dB", "6 dB"};
inline constexpr std::initializer_list<const char*> kSlmDetectorEntries = {"Slow", "Fast", "Impulse"};
inline constexpr std::initializer_list<const char*> kAcOutputEntries = {"AC-1 AC-2", "AC-1 DC", "AC-2 DC",
                                                                        "AC-2 AC-1"};

// A label, the field and an optional unit in one row of grid; the label is
// returned so that a page can grey it with its field.
inline QLabel* AddRow(QGridLayout* grid, int row, const char* label, QWidget* field, const char* unit = nullptr)
{
    auto* text = new QLabel(QString::fromLatin1(label), field->parentWidget());
    grid->addWidget(text, row, 0);
    grid->addWidget(field, row, 1);
    if (unit)
        grid->addWidget(new QLabel(QString::fromLatin1(unit), field->parentWidget()), row, 2);
    return text;
}

template <class Edit>
Edit* MakeEdit(QWidget* parent, const char* name)
{
    auto* edit = new Edit(parent);
    edit->setObjectName(name);
    return edit;
}

// A check box or radio button, named for tests and the page.
template <class Button>
Button* MakeButton(QWidget* parent, const QString& name, const char* text)
{
    auto* button = new Button(QString::fromLatin1(text), parent);
    button->setObjectName(name);
    return button;
}
