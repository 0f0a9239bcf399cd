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
    void ShowSetup(int index, SetupRec* setup);

    // Lists the document's setups again, in the setup list's order.
    void RebuildSetupList();
    // Selects the first entry, if any.
    void SelectFirstSetup();

private:
    QListWidget* list_ = nullptr;
    PropSheetSetup* sheet_ = nullptr;
    SetupRec* current_ = nullptr;
};
