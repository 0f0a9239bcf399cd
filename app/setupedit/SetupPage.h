#pragma once
// What every page of the setup property sheet offers the sheet: it is bound
// to one setup record, fills its controls from it (Load) and writes them back
// (Save). A page's controls exist from construction, but the page counts as
// having a window only from its first display on (when its dialog
// initialisation runs): until then Load and Save do nothing, so a page the
// user never looked at leaves its fields of the setup untouched.
//
// A setup from the instrument is the user's field configuration: Save writes
// a field only when the user changed it since the last Load (its text differs
// from what Load showed, a list row was picked, a box was clicked), so that a
// value the page cannot show as stored is never replaced behind the user's
// back.
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "EditRefusalListener.h"
#include "ListSelection.h"

class BitmapStatic;
class CPageToolTip;
class CharClassEdit;
class DurationEdits;
class PropSheetSetup;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class SetupObject;
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
    // Setup -> controls and controls -> setup. Save is false when a field
    // holds a value the page does not accept (the page said so and has the
    // field focused); what the page did write stays written.
    virtual void Load() = 0;
    virtual bool Save() = 0;
    // Save, after which what the page shows counts as what its setup holds:
    // a field changed back after a save is written again.
    bool Commit();
    // Rewrites the header line (mode text and setup name).
    virtual void SetHeader() {}
    // The user leaves the page for another tab; false keeps the page. The
    // sheet calls it before the new page's OnSetActive.
    virtual bool OnKillActive() { return true; }
    // The page has become the sheet's active tab: its window is made on the
    // first call; pages that show values of other pages refresh them here.
    virtual void OnSetActive();
    // Only the advanced page has pages of its own to bind and to take off.
    virtual void AddNestedPages() {}
    virtual void RemoveNestedPages() {}

    bool HasWindow() const { return initialised_; }
    // A field of the page, or of a page inside it, no longer shows what the
    // last Load put there, or a list row was picked since.
    bool AnyEdited() const;
    // Runs the dialog initialisation now, as the first display does.
    void CreatePageWindow();

    int OnEditRefused(QWidget*) override { return 0; }

    // The user changed the field since the last Load (or Commit): its text,
    // its check state or its selection differs, or a list row was picked or
    // a box or button clicked.
    bool Edited(const QWidget* field) const;
    // One of the fields was changed.
    bool Edited(std::initializer_list<const QWidget*> fields) const;
    // The row of list when the user changed the list since the last Load;
    // none when not, or when the list shows no selection: a stored code
    // outside the list is kept.
    std::optional<int> EditedRow(const QComboBox* list) const
    {
        return Edited(list) ? SelectedRow(list) : std::nullopt;
    }

    // Writes fields that share one setter. write(false) must call the setter
    // with the stored value of every field, write(true) with the edited
    // fields' values and the stored values of the others. The block's bytes
    // that the edited values do not reach keep what they held, even where
    // the setter would encode a stored value differently (a byte the getter
    // could not read).
    static void WriteShared(SetupObject* block, const std::function<void(bool edits)>& write);
    // A duration whose hours, minutes and seconds share one setter: when
    // one of its fields was edited, set gets the edited fields' values and
    // the stored parts (stored(), read at each call) of the others, through
    // WriteShared.
    void WriteDuration(SetupObject* block, const DurationEdits& duration,
                       const std::function<std::array<int, 3>()>& stored,
                       const std::function<void(int hours, int minutes, int seconds)>& set) const;

protected:
    // The page's dialog initialisation, run once on its first display.
    virtual void OnInitDialog() = 0;
    void showEvent(QShowEvent* event) override;

    // The sheet that holds the page; null outside a sheet.
    PropSheetSetup* GetSheet() const;

    // Records what every field of the page shows now, as what Load showed.
    // SetSetup and the page window's creation do so after their Load; a page
    // that loads again on its own calls it after that Load.
    void RememberShown();

    // The selection index when it lies within 0..maximum, else 0.
    static int SelectionOrZero(const QComboBox* combo, int maximum);
    // "%s %s" of prefix and the bound setup's name.
    QString HeaderText(const char* prefix) const;

    // The page's layout: a top row with the picture and the header line, the
    // page's own controls below.
    QVBoxLayout* Body() const { return body_; }
    QLabel* Header() const { return header_; }
    // The "Title" edit and the "Filename" line under the header, in one
    // grid; a page that shows only one of them passes null for the other.
    void AddTitleRows(CharClassEdit** title, QLabel** fileName);
    // A file-name line for a page that places it itself.
    QLabel* MakeFileNameLine();
    // The file-name line: "(name)" of the bound setup's file, or empty; true
    // when there is a name. With toolTip, the first setup shown with a path
    // puts that path as a tip over the line (tool 1000); a setup bound later
    // keeps the first path's tip.
    bool ShowFileName(QLabel* fileName, CPageToolTip* toolTip = nullptr);
    // Shows the picture id in the page's top left corner.
    void CreateBitmap(BitmapStatic& bitmap, int id);

private:
    // The state Edited compares: text, check state or row and text.
    static QVariant FieldState(const QWidget* field);
    // The fields that belong to this page itself (not to a page inside it).
    QList<QWidget*> OwnFields() const;

    QString caption_;
    int dialogId_;
    SetupRec* setup_ = nullptr;
    bool initialised_ = false;
    QHash<const QWidget*, QVariant> shown_;
    QSet<const QWidget*> picked_;
    QSet<const QWidget*> watched_;
    QVBoxLayout* body_;
    QHBoxLayout* top_;
    QLabel* header_;
    bool fileNameToolAdded_ = false;
};
