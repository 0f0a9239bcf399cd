#pragma once
// The setup property sheet of the Setup view: shows one setup at a time with
// the pages of its setup type, all bound to that setup. The sheet owns its
// pages: it decides which exist, binds them, has them write their controls
// back into the setup before it switches to another setup or before the
// document writes a setup out, and deletes them. It never touches a setup
// field itself.
#include <array>

#include <QString>
#include <QTabWidget>

class SetupDocument;
class SetupPage;
class SetupRec;

class PropSheetSetup : public QTabWidget {
    Q_OBJECT
public:
    // Every page the sheet can hold, in the order in which RefreshHeaders
    // visits them. The timer page serves the LOG and the SSA sets as two
    // instances; the advanced page is one instance shared by both sets.
    enum PageId {
        Log, LogTwa, LogLn, Events, Th, LogIntv, Daily, LogTimer, Advanced,
        Ssa, SsaLn, SsaTh, SsaIntv, SsaTimer,
        Ism, Oba, ObaTimer,
        Tal, TalRta, TalTh, TalLn,
        Fft,
        Rta, RtaAutoStore, RtaTSetup, RtaArm, RtaTrigger, RtaEnd, RtaThen, RtaLogicOut,
        System, SysCalib, SysPower, SysTime, SysControls, SysModem,
        PageCount
    };

    // document is the one of the Setup view that holds the sheet; null
    // elsewhere.
    PropSheetSetup(const QString& caption, QWidget* parent, int firstPage, SetupDocument* document = nullptr);
    ~PropSheetSetup() override;

    // Takes the blank page off (it is kept), so the sheet shows no page until
    // a setup is selected.
    void RemoveBlankPage();
    // Shows setup with the page set of its type: a type change saves and
    // deletes the old set and builds the new one; another setup of the same
    // type is taken over by the pages in place, on the same tab.
    void ShowSetup(SetupRec* setup);
    // Removes and deletes, unsaved, the pages bound to setup.
    void RemovePagesOf(SetupRec* setup);
    // Every page of the shown set writes its controls into its setup; false
    // when a page holds a value it does not accept: the sheet then shows the
    // first such page, and RefusingPage names it.
    bool SaveAll();
    // The page that refused in the last SaveAll; null when all saved.
    SetupPage* RefusingPage() const { return refusing_; }
    // Every page rewrites its header line.
    void RefreshHeaders();
    // The document of the Setup view that holds the sheet; null elsewhere.
    SetupDocument* GetDocument() const { return document_; }
    // The RTA set's trigger pages (arm, trigger, end, then, logic out) follow
    // the "Enable Triggering" box of the trigger setup page: the state goes to
    // every one of them that exists.
    void EnableRtaTriggerPages(int state);
    // The state of that box; true while its page or its window does not exist.
    bool IsRtaTriggeringEnabled() const;

    // The type code of the set shown (0 for none).
    int GetCurrentType() const { return currentType_; }
    // The page of that id; null when it does not exist.
    SetupPage* GetPage(PageId id) const { return pages_[id]; }
    QWidget* GetBlankPage() const { return blankPage_; }
    // While the sheet adds and removes its own tabs, a page brought to the
    // front in passing does not create its window (it would load, and then
    // save, a setup the user never looked at on that page).
    bool IsRebuilding() const { return rebuilding_; }
    // page is, or lies inside, the tab the sheet has announced as active
    // (OnSetActive); a tab Qt shows before the sheet learnt of the change is
    // not.
    bool IsActiveTab(const QWidget* page) const;
    // The setup last shown; null after its pages were removed.
    SetupRec* ShownSetup() const { return shown_; }

private:
    void OnCurrentChanged();
    // The page of the set that is the tab widget w; null for the blank page.
    SetupPage* PageOfTab(const QWidget* w) const;
    void RemoveSet(int type);
    void BuildSet(int type, SetupRec* setup);
    void RebindSet(int type, SetupRec* setup);
    void DeletePage(PageId id);
    // Ends a rebuild: the page now in front gets its window.
    void EndRebuild();

    SetupDocument* document_;
    int currentType_ = 0;
    std::array<SetupPage*, PageCount> pages_{};
    QWidget* blankPage_ = nullptr;
    SetupRec* shown_ = nullptr;
    // The page the user left on a tab change; none while the sheet itself
    // rebuilds its tabs.
    QWidget* activePage_ = nullptr;
    bool rebuilding_ = false;
    // A refused tab change puts the page left back in front.
    bool restoring_ = false;
    SetupPage* refusing_ = nullptr;
};
