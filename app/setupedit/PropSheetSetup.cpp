#include "PropSheetSetup.h"

#include <vector>

#include <QLabel>
#include <QVBoxLayout>

#include "PPAdvanced.h"
#include "PropPageDaily.h"
#include "PropPageEvents.h"
#include "PropPageFft.h"
#include "PropPageIsm.h"
#include "PropPageLog.h"
#include "PropPageLogIntv.h"
#include "PropPageLn.h"
#include "PropPageLogTwa.h"
#include "PropPageRta.h"
#include "PropPageRtaCondition.h"
#include "PropPageRtaLogicOut.h"
#include "PropPageRtaTSetup.h"
#include "PropPageRtaThen.h"
#include "PropPageOba.h"
#include "PropPageObaTimer.h"
#include "PropPageSsa.h"
#include "PropPageSsaIntv.h"
#include "PropPageSsaTh.h"
#include "PropPageSysCalib.h"
#include "PropPageSysControls.h"
#include "PropPageSysModem.h"
#include "PropPageSysPower.h"
#include "PropPageSysTime.h"
#include "PropPageSystem.h"
#include "PropPageTal.h"
#include "PropPageTalRta.h"
#include "PropPageTalTh.h"
#include "PropPageTh.h"
#include "PropPageTimer.h"
#include "SetupRec.h"

namespace {

using Id = PropSheetSetup::PageId;

// Makes the page of an id for a set of the type; null for a page this
// program does not offer yet, which then simply is not part of its set.
SetupPage* MakePage(Id id, int type)
{
    switch (id) {
    case Id::Advanced: return new PPAdvanced(type);  // serves the set it is made for
    case Id::Oba: return new PropPageOba;
    case Id::ObaTimer: return new PropPageObaTimer;
    case Id::Log: return new PropPageLog;
    case Id::LogTwa: return new PropPageLogTwa;
    case Id::LogLn: return new PropPageLogLn;
    case Id::SsaLn: return new PropPageSsaLn;
    case Id::TalLn: return new PropPageTalLn;
    case Id::Events: return new PropPageEvents;
    case Id::LogIntv: return new PropPageLogIntv;
    case Id::Daily: return new PropPageDaily;
    case Id::LogTimer: return new PropPageTimer(7);
    case Id::SsaTimer: return new PropPageTimer(5);
    case Id::Ssa: return new PropPageSsa;
    case Id::SsaIntv: return new PropPageSsaIntv;
    case Id::Tal: return new PropPageTal;
    case Id::TalRta: return new PropPageTalRta;
    case Id::Th: return new PropPageTh;
    case Id::SsaTh: return new PropPageSsaTh;
    case Id::TalTh: return new PropPageTalTh;
    case Id::Ism: return new PropPageIsm;
    case Id::Fft: return new PropPageFft;
    case Id::System: return new PropPageSystem;
    case Id::SysCalib: return new PropPageSysCalib;
    case Id::SysPower: return new PropPageSysPower;
    case Id::SysTime: return new PropPageSysTime;
    case Id::SysControls: return new PropPageSysControls;
    case Id::SysModem: return new PropPageSysModem;
    case Id::Rta: return new PropPageRta;
    case Id::RtaAutoStore: return new PropPageRtaAutoStore;
    case Id::RtaTSetup: return new PropPageRtaTSetup;
    case Id::RtaArm: return new PropPageRtaArm;
    case Id::RtaTrigger: return new PropPageRtaTrigger;
    case Id::RtaEnd: return new PropPageRtaEnd;
    case Id::RtaThen: return new PropPageRtaThen;
    case Id::RtaLogicOut: return new PropPageRtaLogicOut;
    default: return nullptr;
    }
}

struct PageSet {
    int type;
    // Tab order: also the order of creation, of binding and of taking over
    // another setup of the same type.
    std::vector<Id> tabs;
    // The order in which a type change saves and deletes the set.
    std::vector<Id> removal;
    // The order of RemovePagesOf and SaveAll: where two pages write the same
    // field, the later one wins.
    std::vector<Id> saving;
    // On a switch to another setup of the same type every page saves before
    // any is bound anew; otherwise each page saves and is bound in turn.
    bool savesFirst;
};

const PageSet kSets[] = {
    {1,
     {Id::System, Id::SysCalib, Id::SysPower, Id::SysTime, Id::SysControls, Id::SysModem},
     {Id::SysModem, Id::SysControls, Id::SysTime, Id::SysPower, Id::SysCalib, Id::System},
     {Id::SysModem, Id::SysControls, Id::SysTime, Id::SysPower, Id::SysCalib, Id::System},
     true},
    {4, {Id::Oba, Id::ObaTimer}, {Id::ObaTimer, Id::Oba}, {Id::ObaTimer, Id::Oba}, true},
    {5,
     {Id::Ssa, Id::SsaLn, Id::SsaTh, Id::SsaIntv, Id::SsaTimer, Id::Advanced},
     {Id::SsaTimer, Id::SsaIntv, Id::SsaTh, Id::SsaLn, Id::Ssa, Id::Advanced},
     {Id::Ssa, Id::SsaLn, Id::SsaTh, Id::SsaIntv, Id::SsaTimer, Id::Advanced},
     false},
    {6, {Id::Ism}, {Id::Ism}, {Id::Ism}, true},
    {7,
     {Id::Log, Id::LogTwa, Id::LogLn, Id::Events, Id::Th, Id::LogIntv, Id::Daily, Id::LogTimer, Id::Advanced},
     {Id::LogTimer, Id::LogIntv, Id::Daily, Id::Th, Id::Events, Id::LogLn, Id::LogTwa, Id::Log, Id::Advanced},
     {Id::LogTimer, Id::LogIntv, Id::Daily, Id::Th, Id::Events, Id::LogLn, Id::LogTwa, Id::Log, Id::Advanced},
     true},
    {8,
     {Id::Tal, Id::TalRta, Id::TalTh, Id::TalLn},
     {Id::TalLn, Id::TalTh, Id::TalRta, Id::Tal},
     {Id::TalLn, Id::TalTh, Id::TalRta, Id::Tal},
     false},
    {9, {Id::Fft}, {Id::Fft}, {Id::Fft}, true},
    {10,
     {Id::Rta, Id::RtaAutoStore, Id::RtaTSetup, Id::RtaArm, Id::RtaTrigger, Id::RtaEnd, Id::RtaThen, Id::RtaLogicOut},
     {Id::Rta, Id::RtaAutoStore, Id::RtaTSetup, Id::RtaArm, Id::RtaTrigger, Id::RtaEnd, Id::RtaThen, Id::RtaLogicOut},
     {Id::Rta, Id::RtaAutoStore, Id::RtaTSetup, Id::RtaArm, Id::RtaTrigger, Id::RtaEnd, Id::RtaThen, Id::RtaLogicOut},
     false},
};

const PageSet* FindSet(int type)
{
    for (const PageSet& set : kSets)
        if (set.type == type)
            return &set;
    return nullptr;
}

QWidget* MakeBlankPage()
{
    auto* page = new QWidget;
    page->setObjectName("blankPage");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Select an J57 Setup from the Listbox", page), 0, Qt::AlignCenter);
    return page;
}

}  // namespace

PropSheetSetup::PropSheetSetup(const QString& caption, QWidget* parent, int firstPage, SetupDocument* document)
    : QTabWidget(parent), document_(document)
{
    setWindowTitle(caption);
    setObjectName("PropSheetSetup");
    setFocusPolicy(Qt::TabFocus);
    blankPage_ = MakeBlankPage();
    addTab(blankPage_, QString());
    setCurrentIndex(firstPage < count() ? firstPage : 0);
    activePage_ = currentWidget();
    connect(this, &QTabWidget::currentChanged, this, &PropSheetSetup::OnCurrentChanged);
}

PropSheetSetup::~PropSheetSetup()
{
    rebuilding_ = true;
    for (int id = 0; id < PageCount; ++id) {
        if (pages_[id] && id == Advanced)
            pages_[id]->RemoveNestedPages();
        DeletePage(static_cast<PageId>(id));
    }
    delete blankPage_;
    blankPage_ = nullptr;
}

SetupPage* PropSheetSetup::PageOfTab(const QWidget* w) const
{
    for (SetupPage* page : pages_)
        if (page && page == w)
            return page;
    return nullptr;
}

bool PropSheetSetup::IsActiveTab(const QWidget* page) const
{
    for (const QWidget* w = page; w && w != this; w = w->parentWidget())
        if (indexOf(const_cast<QWidget*>(w)) >= 0)
            return w == activePage_;
    return true;
}

// Qt brings the new tab to the front before it tells the sheet; the sheet
// then has the page left write its fields (or refuse to go) before the new
// page is told that it is active, so the new page shows what the left one
// just wrote.
void PropSheetSetup::OnCurrentChanged()
{
    QWidget* now = currentWidget();
    if (rebuilding_ || restoring_) {
        activePage_ = now;
        return;
    }
    if (activePage_ == now)
        return;
    if (SetupPage* left = PageOfTab(activePage_)) {
        if (!left->OnKillActive()) {
            restoring_ = true;
            setCurrentWidget(left);
            restoring_ = false;
            return;
        }
    }
    activePage_ = now;
    if (SetupPage* page = PageOfTab(now))
        page->OnSetActive();
}

void PropSheetSetup::DeletePage(PageId id)
{
    SetupPage* page = pages_[id];
    if (!page)
        return;
    const int index = indexOf(page);
    if (index >= 0)
        removeTab(index);
    pages_[id] = nullptr;
    if (activePage_ == page)
        activePage_ = nullptr;
    delete page;
}

void PropSheetSetup::RemoveBlankPage()
{
    const int index = blankPage_ ? indexOf(blankPage_) : -1;
    if (index < 0)
        return;
    rebuilding_ = true;
    removeTab(index);
    EndRebuild();
}

void PropSheetSetup::EndRebuild()
{
    rebuilding_ = false;
    activePage_ = currentWidget();
    if (isVisible())
        if (SetupPage* page = PageOfTab(activePage_))
            page->OnSetActive();
}

void PropSheetSetup::ShowSetup(SetupRec* setup)
{
    if (!setup)
        return;
    const int type = setup->GetType();
    rebuilding_ = true;
    if (count() > 0 && currentType_ != type)
        RemoveSet(currentType_);
    if (currentType_ != type)
        BuildSet(type, setup);
    else
        RebindSet(type, setup);
    EndRebuild();
    currentType_ = type;
    shown_ = setup;
}

void PropSheetSetup::RemoveSet(int type)
{
    if (type == 0) {
        if (blankPage_) {
            const int index = indexOf(blankPage_);
            if (index >= 0)
                removeTab(index);
            delete blankPage_;
            blankPage_ = nullptr;
        }
        return;
    }
    const PageSet* set = FindSet(type);
    if (!set)
        return;
    for (Id id : set->removal) {
        SetupPage* page = pages_[id];
        if (!page)
            continue;
        page->Commit();
        if (id == Advanced) {
            removeTab(indexOf(page));
            page->RemoveNestedPages();
        }
        DeletePage(id);
    }
}

void PropSheetSetup::BuildSet(int type, SetupRec* setup)
{
    if (type == 0) {
        if (!blankPage_)
            blankPage_ = MakeBlankPage();
        addTab(blankPage_, QString());
        return;
    }
    const PageSet* set = FindSet(type);
    if (!set)
        return;
    for (Id id : set->tabs) {
        if (pages_[id])
            continue;
        pages_[id] = MakePage(id, type);
        // The advanced page binds its nested pages before any tab is added.
        if (pages_[id] && id == Advanced) {
            pages_[id]->SetSetup(setup);
            pages_[id]->AddNestedPages();
        }
    }
    for (Id id : set->tabs)
        if (pages_[id])
            addTab(pages_[id], pages_[id]->Caption());
    for (Id id : set->tabs)
        if (pages_[id])
            pages_[id]->SetSetup(setup);
    // After a type change the first page of the new set is the active one.
    for (Id id : set->tabs) {
        if (pages_[id]) {
            setCurrentWidget(pages_[id]);
            break;
        }
    }
}

void PropSheetSetup::RebindSet(int type, SetupRec* setup)
{
    const PageSet* set = FindSet(type);
    if (!set)
        return;
    if (set->savesFirst) {
        for (Id id : set->tabs)
            if (pages_[id])
                pages_[id]->Commit();
        for (Id id : set->tabs)
            if (pages_[id])
                pages_[id]->SetSetup(setup);
    } else {
        for (Id id : set->tabs) {
            if (pages_[id]) {
                pages_[id]->Commit();
                pages_[id]->SetSetup(setup);
            }
        }
    }
    // The user stays on the same tab: nothing in the tab widget changed.
}

void PropSheetSetup::RemovePagesOf(SetupRec* setup)
{
    if (shown_ == setup)
        shown_ = nullptr;
    if (count() == 0 || currentType_ < 1 || currentType_ > 10)
        return;
    const PageSet* set = FindSet(currentType_);
    if (!set)
        return;
    rebuilding_ = true;
    for (Id id : set->saving) {
        SetupPage* page = pages_[id];
        if (!page || page->GetSetup() != setup)
            continue;
        if (id == Advanced)
            page->RemoveNestedPages();
        DeletePage(id);
        currentType_ = 0;
    }
    EndRebuild();
}

bool PropSheetSetup::SaveAll()
{
    refusing_ = nullptr;
    if (count() == 0 || currentType_ < 1 || currentType_ > 10)
        return true;
    const PageSet* set = FindSet(currentType_);
    if (!set)
        return true;
    for (Id id : set->saving)
        if (pages_[id] && !pages_[id]->Commit() && !refusing_)
            refusing_ = pages_[id];
    if (!refusing_)
        return true;
    if (currentWidget() != refusing_)
        setCurrentWidget(refusing_);
    return false;
}

void PropSheetSetup::RefreshHeaders()
{
    for (SetupPage* page : pages_)
        if (page)
            page->SetHeader();
}
