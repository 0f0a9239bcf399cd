#pragma once
// What the eight pages of a real-time analyser setup share: the header line
// "Real Time Analyzer -" with the setup name, the page's own name under it,
// the file-name line, the RTA badge, and the rule that a page acts only while
// it is bound to a setup with an RTA block and its window exists. The pages
// that follow the trigger setup page's "Enable Triggering" box take the
// box's state through EnableAdvanced.
#include <initializer_list>
#include <string>

#include <QCheckBox>
#include <QLabel>
#include <QStringList>

#include "PageControls.h"
#include "SetupPage.h"

class QComboBox;
class QGridLayout;
class RTASetup;

class RtaSetupPage : public SetupPage {
    Q_OBJECT
public:
    static constexpr int kRtaBitmap = 243;

    // label is the page's own name shown under the header.
    RtaSetupPage(const QString& caption, int dialogId, const char* label);

    void SetHeader() override;
    // Enables the page's trigger controls as far as its current choices
    // allow (true) or disables them all (false). Only the pages that follow
    // the triggering state do anything.
    virtual void EnableAdvanced(bool enabled) { (void)enabled; }

protected:
    // The bound setup's RTA block while the page may act on it; else null.
    RTASetup* BoundRta() const;
    // The file-name line under the header (empty without a file name).
    void ShowRtaFileName() { ShowFileName(fileName_); }
    void CreateBadge() { CreateBitmap(bitmap_, kRtaBitmap); }
    // A trigger page being shown takes the sheet's triggering state, which
    // may be newer than the setup's stored flag.
    void FollowTriggering() { followsTriggering_ = true; }
    void showEvent(QShowEvent* event) override;
    // A trigger page made active follows the unsaved "Enable Triggering" box.
    void OnSetActive() override;

    // A named drop-down list with these entries and, as the dialog makes
    // it, no selection.
    static QComboBox* MakeRtaList(QWidget* parent, const char* name, std::initializer_list<const char*> entries);
    static QComboBox* MakeRtaList(QWidget* parent, const char* name, const QStringList& entries);
    // The entries of a list whose row is the stored code, from the texts of
    // the reports: what text gives codes 0, 1, ... up to the first code
    // without a text, each in the page's spelling (shown; null: as it is).
    static QStringList CodeEntries(const std::string& (*text)(int, std::string&),
                                   std::string (*shown)(std::string) = nullptr);
    // A row of grid: a label named name + "Label" and the field.
    QLabel* AddNamedRow(QGridLayout* grid, int row, const char* label, QWidget* field, const char* name);
    // Enables or disables the widgets together.
    static void EnableAll(std::initializer_list<QWidget*> widgets, bool enabled);

private:
    BitmapStatic bitmap_;
    QLabel* fileName_;
    void FollowTriggeringBox();

    bool followsTriggering_ = false;
};
