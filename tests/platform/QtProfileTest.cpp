#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "QtPlatform.h"
#include "QtProfile.h"

using namespace platform;

TEST(QtProfile, EmptyFileAnswersDefaults)
{
    QTemporaryDir dir;
    QtProfile p((dir.path() + "/J57 Utility.ini").toStdString());
    EXPECT_EQ(p.GetProfileInt("Special Operations", "Status", 0), 0);
    EXPECT_EQ(p.GetProfileInt("Histogram Options", "SplLowLimit", 45), 45);
    EXPECT_EQ(p.GetProfileString("RT60Settings", "dBDown", "10"), "10");
}

TEST(QtProfile, WrittenValuesSurviveANewProfile)
{
    QTemporaryDir dir;
    std::string path = (dir.path() + "/J57 Utility.ini").toStdString();
    {
        QtProfile p(path);
        EXPECT_TRUE(p.WriteProfileInt("Defaults", "ComPort", 4));
        EXPECT_TRUE(p.WriteProfileString("Defaults", "LastPath", "/home/me/data"));
        EXPECT_TRUE(p.WriteProfileInt("Special Operations", "Status", 1));
    }
    QtProfile again(path);
    EXPECT_EQ(again.GetProfileInt("Defaults", "ComPort", 1), 4);
    EXPECT_EQ(again.GetProfileString("Defaults", "LastPath", "/"), "/home/me/data");
    EXPECT_EQ(again.GetProfileInt("Special Operations", "Status", 0), 1);
}

TEST(QtProfile, UserProfileLivesUnderTheOrganisation)
{
    QtProfile p;
    std::string name = p.FileName();
    EXPECT_NE(name.find("Morvek-Audio"), std::string::npos) << name;
    EXPECT_NE(name.find("J57 Utility"), std::string::npos) << name;
}

TEST(Ansi, Windows1252RoundTrip)
{
    std::string bytes = "Leq \x80 \xB5Pa \xE4";
    QString text = FromAnsi(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Leq € µPa ä"));
    EXPECT_EQ(ToAnsi(text), bytes);
}
