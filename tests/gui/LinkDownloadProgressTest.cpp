#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

#include "DownloadMonitor.h"
#include "DownloadProgressDialog.h"
#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Sim.h"
#include "J57Xmodem.h"
#include "Profile.h"
#include "SerialPort.h"
#include "SlmLink.h"

namespace {

TEST(LinkDownloadProgress, CountsBytesAndCancelsWithoutClosing)
{
    platform::MemoryProfile profile;
    platform::SetAppProfile(&profile);
    comm::ScopedTimeScale scale(0.2);
    sim::J57Sim sim;
    sim::J57Instrument j57(sim);
    sim::XmodemSender sender;
    sender.Install(sim);
    for (int i = 0; i < 128 * 60; ++i)
        sender.payload += static_cast<char>(i);
    sim.Bind(profile, 1);
    SerialPort port(1);
    ASSERT_EQ(port.Open(), 0);
    SlmLink link(&port);

    QMainWindow main;
    main.show();
    int cancel = 0;
    {
        DownloadProgressDialog dialog(&link, &cancel);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(main.isEnabled());
        DownloadMonitor monitor(&dialog);
        monitor.SetMeasurementNumber(1, 2);
        auto* bytes = dialog.findChild<QLabel*>("byteCountLine");
        QTimer clicker;
        QObject::connect(&clicker, &QTimer::timeout, [&] {
            if (bytes->text().startsWith("Received"))
                QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        });
        clicker.start(5);
        char path[] = "/tmp/progressXXXXXX";
        close(mkstemp(path));
        ASSERT_EQ(link.StartDownload(&monitor), 0);
        EXPECT_EQ(link.RunDownload(path), -901);
        std::remove(path);
        EXPECT_EQ(cancel, 1);
        EXPECT_TRUE(dialog.isVisible());  // the download command closes it
        EXPECT_TRUE(bytes->text().startsWith("Received "));
        EXPECT_GT(dialog.findChild<QProgressBar*>("progressBar")->value(), 0);
        dialog.ShowStall(true);
        EXPECT_EQ(dialog.findChild<QLabel*>("stallLine4")->text(),
                  "turned off it will be necessary to Cancel the download.");
        dialog.ShowStall(false);
        EXPECT_EQ(dialog.findChild<QLabel*>("stallLine1")->text(), " ");
    }
    EXPECT_TRUE(main.isEnabled());
    platform::SetAppProfile(nullptr);
}

}  // namespace
