#pragma once
// A dialog or page told about a keystroke one of its validated edit fields
// refused.
class QWidget;

class EditRefusalListener {
public:
    virtual ~EditRefusalListener() = default;
    // A keystroke in edit was refused; -1 replaces the field's beep.
    virtual int OnEditRefused(QWidget* edit) = 0;
};
