#pragma once
// What the setup pages share when they put stored values into their fields.
#include <QString>

#include "TextNumbers.h"

// The header prefix of the logging and sound analyser pages.
inline constexpr const char* kSlmHeaderPrefix = "Sound Level Meter -";

// Shows text in the edit when the edit's own test passes, else fallback.
template <class Edit>
void ShowChecked(Edit* edit, const QString& text, const char* fallback)
{
    edit->setText(edit->IsValid(text) ? text : QString::fromLatin1(fallback));
}

template <class Edit>
void ShowChecked(Edit* edit, int value, const char* fallback)
{
    ShowChecked(edit, IntText(value), fallback);
}
