#pragma once
// The setup property sheet of the Setup view: shows one setup at a time with
// the pages of its setup type.
//
// Stand-in: offers the sheet's operations but holds no pages yet; the setup
// pages come with the setup editor.
#include <QString>
#include <QTabWidget>

class SetupRec;

class PropSheetSetup : public QTabWidget {
    Q_OBJECT
public:
    PropSheetSetup(const QString& caption, QWidget* parent, int firstPage);

    // Removes the blank placeholder page the sheet is created with.
    void RemoveBlankPage();
    // Shows the pages of the record's setup type bound to the record.
    void ShowSetup(SetupRec* setup);
    // Removes and deletes the pages bound to setup.
    void RemovePagesOf(SetupRec* setup);
    // Every page saves its controls into its setup record.
    void SaveAll();
    // Every page refreshes its header text.
    void RefreshHeaders();

    SetupRec* ShownSetup() const { return shown_; }

private:
    QWidget* blankPage_ = nullptr;
    SetupRec* shown_ = nullptr;
};
