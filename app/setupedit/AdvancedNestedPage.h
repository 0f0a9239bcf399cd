#pragma once
// Base of the pages inside the advanced page of the sound analyser and
// logging setups. They are bound with the setup type of the set the advanced
// page serves and edit the LOG block for type 7, the SSA block otherwise.
// They have no header line of their own.
#include <QLabel>

#include "SetupPage.h"
#include "SetupRec.h"

class AdvancedNestedPage : public SetupPage {
    Q_OBJECT
public:
    AdvancedNestedPage(const QString& caption, int dialogId) : SetupPage(caption, dialogId) { Header()->hide(); }

    using SetupPage::SetSetup;
    void SetSetup(SetupRec* setup, int type)
    {
        type_ = type;
        SetupPage::SetSetup(setup);
    }
    int GetSetupType() const { return type_; }

    // Moves the page's values into its controls (save false) or back (save
    // true); false when a field does not hold what it must, after the
    // message has been shown and the field has the focus.
    virtual bool UpdateData(bool save)
    {
        (void)save;
        return true;
    }

protected:
    // The block a page of the type edits in setup; null when it has none.
    static MeasurementSetup* BlockOf(const SetupRec* setup, int type)
    {
        if (!setup)
            return nullptr;
        if (type == 7)
            return setup->GetLOGSetup();
        return setup->GetSSASetup();
    }
    // The bound setup's block, null until the window exists.
    MeasurementSetup* BoundBlock() const { return HasWindow() ? BlockOf(GetSetup(), type_) : nullptr; }

private:
    // Until bound, the pages take the logging setup.
    int type_ = 7;
};
