#pragma once
// The Setup view: the list of setups and, beside it, the setup property
// sheet. Created once with the frame and only hidden when another view is
// shown.
//
// Stand-in for the setup list control: a plain list of the setups' names.
#include <QWidget>

#include "CView.h"

class PropSheetSetup;
class QListWidget;
class SetupRec;

class CSdiView : public QWidget, public CView {
    Q_OBJECT
public:
    CSdiView(CSdiDoc* doc, QWidget* parent);
    ~CSdiView() override;

    QWidget* Widget() override { return this; }
    // Makes the setup sheet beside the list; with an upgrade asked on the
    // command line, runs it.
    void OnInitialUpdate() override;

    PropSheetSetup* GetSheet() const { return sheet_; }
    QListWidget* GetSetupList() const { return list_; }

    // The setup of the selected list entry; null for none.
    SetupRec* GetSelectedSetup() const;
    SetupRec* GetCurrentSetup() const { return current_; }

    void RemoveSetupPages(SetupRec* setup);
    void SaveSetupPages();
    // An entry became selected: the sheet shows its setup.
    void OnSetupSelected(int index, SetupRec* setup);

    // Appends an entry for record; position must be -1. The new index, or 0
    // for another position.
    int AddSetup(SetupRec* record, int position = -1);
    // Removes every entry (the records stay).
    void DeleteAllSetups();
    // Selects the entry; nothing for an index outside the list.
    void SelectSetup(int index);
    int GetSetupCount() const;

private:
    QListWidget* list_ = nullptr;
    PropSheetSetup* sheet_ = nullptr;
    SetupRec* current_ = nullptr;
};
