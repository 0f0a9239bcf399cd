#pragma once
// The last page of the sound analyser and logging sets: a sheet of its own
// with the wind/tachometer input, the printed reports and the heater and
// calibration tone. One class serves both sets; it is made with the setup
// type of the set (5 or 7) and hands it to its pages.
#include "CControlPP.h"
#include "CWindTachPP.h"
#include "PageControls.h"
#include "PropPageReport.h"
#include "SetupPage.h"

class QTabWidget;

class PPAdvanced : public SetupPage {
    Q_OBJECT
public:
    explicit PPAdvanced(int setupType = 7);
    ~PPAdvanced() override;

    // Binds this page and its three pages to setup.
    void SetSetup(SetupRec* setup) override;
    // Refreshes the header; the pages inside load themselves.
    void Load() override;
    // The report, wind/tach and controls pages write their fields; false
    // when one of them refused (it is then in front).
    bool Save() override;
    void OnSetActive() override;
    void SetHeader() override;

    // Binds the three pages and adds them to the inner sheet: "Wind/Tach",
    // "Report", "Controls".
    void AddNestedPages() override;
    // Takes them off the inner sheet again.
    void RemoveNestedPages() override;
    void AddNestedPage(AdvancedNestedPage* page);
    void RemoveNestedPage(AdvancedNestedPage* page);
    // The data exchange of the inner sheet's page in front; false when a
    // field failed.
    bool UpdateData(bool save);

    int GetSetupType() const { return type_; }
    QTabWidget* NestedSheet() const { return nested_; }

protected:
    void OnInitDialog() override;

private:
    int type_;
    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    QTabWidget* nested_;
    CWindTachPP windTach_;
    PropPageReport report_;
    CControlPP controls_;
};
