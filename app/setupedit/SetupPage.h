#pragma once
// What every page of the setup property sheet offers the sheet: it is bound
// to one setup record, fills its controls from it (Load) and writes them back
// (Save). A page's controls exist from construction, but the page counts as
// having a window only from its first display on (when its dialog
// initialisation runs): until then Load and Save do nothing, so a page the
// user never looked at leaves its fields of the setup untouched.
#include <QString>
#include <QWidget>

#include "EditRefusalListener.h"

class BitmapStatic;
class CPageToolTip;
class CharClassEdit;
class PropSheetSetup;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class SetupRec;

class SetupPage : public QWidget, public EditRefusalListener {
    Q_OBJECT
public:
    SetupPage(const QString& caption, int dialogId);
    ~SetupPage() override;

    // The tab caption and the page's dialog resource number.
    const QString& Caption() const { return caption_; }
    int DialogId() const { return dialogId_; }

    // Binds the page to setup; when the window exists, loads it at once.
    virtual void SetSetup(SetupRec* setup);
    SetupRec* GetSetup() const { return setup_; }
    // Setup -> controls and controls -> setup.
    virtual void Load() = 0;
    virtual void Save() = 0;
    // Rewrites the header line (mode text and setup name).
    virtual void SetHeader() {}
    // The user leaves the page for another tab; false keeps the page.
    virtual bool OnKillActive() { return true; }
    // Only the advanced page has pages of its own to bind and to take off.
    virtual void AddNestedPages() {}
    virtual void RemoveNestedPages() {}

    bool HasWindow() const { return initialised_; }
    // Runs the dialog initialisation now, as the first display does.
    void CreatePageWindow();

    int OnEditRefused(QWidget*) override { return 0; }

protected:
    // The page's dialog initialisation, run once on its first display.
    virtual void OnInitDialog() = 0;
    void showEvent(QShowEvent* event) override;

    // The sheet that holds the page; null outside a sheet.
    PropSheetSetup* GetSheet() const;

    // Combo list selection of a stored code; no selection for a code
    // outside the list.
    static void SetSelection(QComboBox* combo, int code);
    // The selection index when it lies within 0..maximum, else 0.
    static int SelectionOrZero(const QComboBox* combo, int maximum);
    // "%s %s" of prefix and the bound setup's name.
    QString HeaderText(const char* prefix) const;

    // The page's layout: a top row with the picture and the header line, the
    // page's own controls below.
    QVBoxLayout* Body() const { return body_; }
    QLabel* Header() const { return header_; }
    // The "Title" edit and the "Filename" line under the header.
    void AddTitleRows(CharClassEdit*& title, QLabel*& fileName);
    // The file-name line: "(name)" of the bound setup's file, or empty; true
    // when there is a name.
    bool ShowFileName(QLabel* fileName) const;
    // Puts the bound setup's file path as a tip over the file-name line (tool
    // 1000); false when the setup has no path.
    bool AddFileNameTool(CPageToolTip& toolTip, const QLabel* fileName);
    // Shows the picture id in the page's top left corner.
    void CreateBitmap(BitmapStatic& bitmap, int id);

private:
    QString caption_;
    int dialogId_;
    SetupRec* setup_ = nullptr;
    bool initialised_ = false;
    QVBoxLayout* body_;
    QHBoxLayout* top_;
    QLabel* header_;
};
