// The small dialogs of the setup commands: the name dialogs, Setup Exists,
// New Setup Type and the progress box.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "CharClassEdit.h"
#include "NewSetupTypeDlg.h"
#include "ProgressDialog.h"
#include "SetupExistsDialog.h"
#include "ScriptedPrompter.h"
#include "SetupNameDialog.h"

namespace {

TEST(SetupNameDialogTest, NamesStopAtEightCharactersAndCloseOnlyOnSuccess)
{
    std::vector<std::string> names;
    int answer = 5;
    auto submit = [&](const std::string& name) {
        names.push_back(name);
        return answer;
    };
    RenameSetupDialog rename(submit, "OLDNAME", ".LOG", nullptr);
    StoreSetupDialog store(submit, "OLDNAME", ".LOG", nullptr);
    for (SetupNameDialog* dialog : {static_cast<SetupNameDialog*>(&rename), static_cast<SetupNameDialog*>(&store)}) {
        EXPECT_EQ(dialog->ExtensionText()->text(), ".LOG");
        dialog->NameEdit()->clear();
        QTest::keyClicks(dialog->NameEdit(), "  ABCDEFGHIJK");
        EXPECT_EQ(dialog->NameEdit()->text(), "  ABCDEF");
    }

    // Rename closes on 0, Store on anything else; the name goes without its
    // leading blanks.
    rename.show();
    rename.accept();
    EXPECT_TRUE(rename.isVisible());
    answer = 0;
    rename.accept();
    EXPECT_FALSE(rename.isVisible());
    store.show();
    store.accept();
    EXPECT_TRUE(store.isVisible());
    answer = 1;
    store.accept();
    EXPECT_FALSE(store.isVisible());
    EXPECT_EQ(store.result(), QDialog::Accepted);
    EXPECT_EQ(names, (std::vector<std::string>(4, "ABCDEF")));

    StoreSetupDialog withoutDocument({}, "A", ".SSA", nullptr);
    withoutDocument.show();
    withoutDocument.accept();
    EXPECT_EQ(withoutDocument.result(), QDialog::Accepted);
}

// An empty or all-blank name never reaches the instrument: the dialog says
// so and stays open for another.
TEST(SetupNameDialogTest, AnEmptyOrBlankNameIsRefused)
{
    testsupport::ScriptedPrompter prompter;
    std::vector<std::string> names;
    StoreSetupDialog store(
        [&](const std::string& name) {
            names.push_back(name);
            return 1;
        },
        "OLDNAME", ".LOG", nullptr);
    store.show();
    for (const char* typed : {"", "        "}) {
        store.NameEdit()->clear();
        QTest::keyClicks(store.NameEdit(), typed);
        prompter.Expect("Invalid name", platform::IDOK);
        store.findChild<QPushButton*>("okButton")->click();
        EXPECT_TRUE(store.isVisible()) << '"' << typed << '"';
    }
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(prompter.Pending(), 0u);
}

TEST(SetupNameDialogTest, CharClassEditRefusesClassesOutsideItsMask)
{
    CharClassEdit edit;
    QTest::keyClicks(&edit, "a1 .");
    EXPECT_EQ(edit.text(), "a1 .");
    edit.clear();
    edit.SetClassMask(CharClassEdit::Letters | CharClassEdit::Digits);
    QTest::keyClicks(&edit, "a 1.b");
    EXPECT_EQ(edit.text(), "a1b");
}

TEST(SetupExistsDialogTest, AnswerCodes)
{
    struct Case {
        const char* button;
        int answer;
    } cases[] = {{"yesButton", 1}, {"noButton", 2}, {"yesToAllButton", 1023}};
    for (const Case& c : cases) {
        SetupExistsDialog dialog(nullptr);
        dialog.SetQuestion("Replace?");
        QTimer::singleShot(0, [&dialog, &c] { dialog.findChild<QPushButton*>(c.button)->click(); });
        EXPECT_EQ(dialog.Ask(), c.answer) << c.button;
    }
    SetupExistsDialog dialog(nullptr);
    QTimer::singleShot(0, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.Ask(), 2);
}

TEST(NewSetupTypeDlgTest, InitialTypeChecksItsButton)
{
    struct Case {
        int initial;
        int checked;
    } cases[] = {{2, 5}, {3, 5}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 5}};
    for (const Case& c : cases) {
        NewSetupTypeDlg dialog(nullptr, c.initial, nullptr);
        EXPECT_EQ(dialog.CheckedType(), c.checked) << c.initial;
    }
    NewSetupTypeDlg dialog(nullptr, 5, nullptr);
    dialog.findChild<QRadioButton*>("talRadio")->click();
    EXPECT_EQ(dialog.CheckedType(), 8);
}

TEST(ProgressDialogTest, PercentWrapsPastTheUpperBoundAndCancelOnlyRaisesAFlag)
{
    QWidget owner;
    owner.show();
    ProgressDialog progress("Loading Setups");
    progress.SetRange(0, 4);
    progress.SetStep(1);
    ASSERT_TRUE(progress.Create(&owner));
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_EQ(progress.PercentText(), "0%");
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        progress.StepIt();
        shown.push_back(progress.PercentText().toStdString());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"25%", "50%", "75%", "100%", "0%"}));

    progress.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(progress.CheckCancelButton());
    EXPECT_FALSE(progress.CheckCancelButton());
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(progress.CheckCancelButton());

    progress.DestroyWindow();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(owner.isEnabled());
}

}  // namespace
