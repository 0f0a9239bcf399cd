#pragma once
// The Setup view: the list of setups and, beside it, the setup property
// sheet that shows the selected setup. Created once with the frame and only
// hidden when another view is shown. The rows point at the document's setup
// records, in the order of the document's setup list.
#include <memory>
#include <string>

#include <QWidget>

#include "CView.h"

class CSdiDoc;
class PropSheetSetup;
class QMenu;
class SetupListCtrl;
class SetupRec;

class CSdiView : public QWidget, public CView {
    Q_OBJECT
public:
    CSdiView(CSdiDoc* doc, QWidget* parent);
    ~CSdiView() override;

    QWidget* Widget() override { return this; }
    // The program's document this view was made for.
    CSdiDoc* GetDocument() const;
    // Makes the setup sheet beside the list; with an upgrade asked on the
    // command line, runs it.
    void OnInitialUpdate() override;

    PropSheetSetup* GetSheet() const { return sheet_; }
    SetupListCtrl* GetSetupList() const { return list_; }

    // The setup of the selected row; null when none is selected.
    SetupRec* GetSelectedSetup() const;
    // The selected row; -1 when none is selected, 0 when the list is empty.
    int GetSelectedIndex() const;
    // The setup last handed to the sheet.
    SetupRec* GetCurrentSetup() const { return current_; }

    void RemoveSetupPages(SetupRec* setup);
    // The sheet's pages write into their setup; false when a page refused a
    // value: refusedPage then holds its tab caption and the sheet shows it.
    bool SaveSetupPages(std::string* refusedPage = nullptr);
    // A row became selected: the sheet shows its setup.
    void OnSetupSelected(int index, SetupRec* setup);

    // Appends a row for record; position must be -1. The new index, or 0
    // for another position.
    int AddSetup(SetupRec* record, int position = -1);
    // Removes every row (the records stay).
    void DeleteAllSetups();
    // Selects and focuses the row; nothing for an index outside the list.
    void SelectSetup(int index);
    // Removes the row and returns its record (not deleted); null for an
    // index outside the list.
    SetupRec* RemoveSetupAt(int index);
    // The row's text and image; then the sheet refreshes its headers.
    bool SetSetupText(int index, const std::string& text, int imageIndex);
    // The same with the record's name and image.
    bool UpdateSetupItem(int index, const SetupRec* record);
    bool SetSetupImage(int index, int imageIndex);
    int GetSetupImage(int index) const;
    int GetSetupCount() const;
    // The row of record, -1 when none shows it.
    int IndexOfSetup(const SetupRec* record) const;

    // The context menu of a right click on a row (onItem) or on empty space;
    // null when there is none. Its commands go to the main frame.
    std::unique_ptr<QMenu> MakeContextMenu(bool onItem);

private:
    void ShowContextMenu(const QPoint& globalPos, bool onItem);

    SetupListCtrl* list_ = nullptr;
    PropSheetSetup* sheet_ = nullptr;
    SetupRec* current_ = nullptr;
};
