#pragma once
// What the setup editor's tests share: setup records built from raw blocks,
// a shown sheet, the controls of a page by name, typing and focus loss, and
// a count of the beeps of refused keystrokes.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "FilteredEdit.h"
#include "MeasurementSetupFields.h"
#include "PropSheetSetup.h"
#include "SetupBlockBuilder.h"
#include "SetupPage.h"
#include "SetupRec.h"

namespace setupedittest {

using testsupport::SetupBlockBuilder;

// The timer and interval period bytes the measurement and OBA blocks share;
// the data model keeps their offsets inside NamedSetup, so the tests name
// them here.
constexpr size_t kTimerMode = 56;
constexpr size_t kRunDate = 57;  // BCD day, month, year
constexpr size_t kStopDate = 60;
constexpr size_t kStartTime2 = 67;  // BCD hour, minute
constexpr size_t kIntervalPeriod = 100;  // hours, minutes, seconds

// A LOG block of the current format with its name.
inline SetupBlockBuilder LogBlock(const std::string& name)
{
    return SetupBlockBuilder(219).Version(3).Name(name).Mode(2);
}

// An SSA block of the current format with its name.
inline SetupBlockBuilder SsaBlock(const std::string& name)
{
    return SetupBlockBuilder(219).Version(3).Name(name).Mode(0);
}

inline std::unique_ptr<SetupRec> LogSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(7);
    record->LoadLOGSetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

inline std::unique_ptr<SetupRec> SsaSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(5);
    record->LoadSSASetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

// An FFT (mode 5) or ISM (mode 1) block of the current format with its name.
inline SetupBlockBuilder FftBlock(const std::string& name)
{
    return SetupBlockBuilder(219).Version(3).Name(name).Mode(5);
}

inline SetupBlockBuilder IsmBlock(const std::string& name)
{
    return SetupBlockBuilder(219).Version(3).Name(name).Mode(1);
}

inline std::unique_ptr<SetupRec> FftSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(9);
    record->LoadFFTSetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

inline std::unique_ptr<SetupRec> IsmSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(6);
    record->LoadISMSetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

inline std::unique_ptr<SetupRec> TalSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(8);
    record->LoadTALSetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

// A real-time analyser block (216 bytes, application 4) with its name.
inline SetupBlockBuilder RtaBlock(const std::string& name, int version = 3)
{
    return SetupBlockBuilder(216).Version(version).Name(name).Mode(4);
}

inline std::unique_ptr<SetupRec> RtaSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(10);
    record->LoadRTASetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

// The user picks an entry of a list (the list reports it as activated).
inline void PickEntry(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// An OBA block (model J46). A record takes no type code 4, so an OBA record
// stays of type 0 and its pages are tried on their own.
inline SetupBlockBuilder ObaBlock()
{
    return SetupBlockBuilder(154).Version(3);
}

inline std::unique_ptr<SetupRec> ObaSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->LoadOBASetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

inline std::vector<uint8_t> BlockBytes(const SetupObject* setup)
{
    const uint8_t* block = setup->GetSetupBlock();
    return {block, block + setup->BlockSize()};
}

// A record of a type without a setup object (2, 3, 11 ...) or the system.
inline std::unique_ptr<SetupRec> BareSetup(int type)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(type);
    return record;
}

inline std::vector<uint8_t> LogBytes(const SetupRec& record)
{
    const uint8_t* block = record.GetLOGSetup()->GetSetupBlock();
    return {block, block + 219};
}

// The sheet as the Setup view makes it: shown, the blank page taken off.
struct ShownSheet {
    ShownSheet()
    {
        sheet.resize(600, 500);
        sheet.show();
        sheet.RemoveBlankPage();
    }
    PropSheetSetup sheet{"SLM", nullptr, 0};

    SetupPage* Page(PropSheetSetup::PageId id) const { return sheet.GetPage(id); }
    // Brings the page's tab to the front, which creates its window.
    SetupPage* Open(PropSheetSetup::PageId id)
    {
        sheet.setCurrentWidget(sheet.GetPage(id));
        return sheet.GetPage(id);
    }
    std::vector<std::string> Tabs() const
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < sheet.count(); ++i)
            tabs.push_back(sheet.tabText(i).toStdString());
        return tabs;
    }
    std::string ActiveTab() const { return sheet.tabText(sheet.currentIndex()).toStdString(); }
};

template <class T = QLineEdit>
T* Control(QWidget* page, const char* name)
{
    T* control = page->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

inline QString Text(QWidget* page, const char* name)
{
    return Control<QLineEdit>(page, name)->text();
}

// Replaces the field's text by typing, as the user does after selecting it.
inline void Retype(QLineEdit* edit, const QString& keys)
{
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, keys);
}

inline void Retype(QWidget* page, const char* name, const QString& keys)
{
    Retype(Control<QLineEdit>(page, name), keys);
}

inline void LoseFocus(QWidget* edit)
{
    QFocusEvent event(QEvent::FocusOut);
    QApplication::sendEvent(edit, &event);
}

// Counts the beeps of refused keystrokes while it lives.
struct BeepCounter {
    BeepCounter() { FilteredEdit::SetBeepHook([this] { ++beeps; }); }
    ~BeepCounter() { FilteredEdit::SetBeepHook({}); }
    int beeps = 0;
};

}  // namespace setupedittest
