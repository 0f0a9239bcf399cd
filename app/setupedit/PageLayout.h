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
Button* MakeButton(QWidget* parent, const char* name, const char* text)
{
    auto* button = new Button(QString::fromLatin1(text), parent);
    button->setObjectName(name);
    return button;
}
