// What the desktop hears of a run: on a private session bus
// (dbus-run-session) with a notification service that records what it is
// sent, and the launcher icon updates on the bus.
#include "BookBuilder.h"
#include "FakePrompter.h"
#include "Form1.h"
#include "TestFiles.h"
#include "WidgetDriver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

class DesktopNotices : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << "no session bus: run under dbus-run-session";
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        for (const char* book : {"a.epub", "b.epub"})
            MakeEpub(library / book, EpubVersion::Three);
        window = std::make_unique<Form1>();
        window->show();
        window->OpenPaths({QString::fromStdString(library.path())});
        elsewhere.show();
    }
    void TearDown() override
    {
        window.reset();
        if (recorder.state() != QProcess::NotRunning) {
            recorder.kill();
            recorder.waitForFinished();
        }
        ::unsetenv("XDG_RUNTIME_DIR");
    }

    void StartRecorder()
    {
        recorder.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(RECORDER), QString::fromStdString(log())});
        QElapsedTimer waited;
        waited.start();
        while (!QDBusConnection::sessionBus().interface()->isServiceRegistered(
                   QStringLiteral("org.freedesktop.Notifications")) &&
               waited.elapsed() < 20000)
            QTest::qWait(20);
        ASSERT_LT(waited.elapsed(), 20000) << "the recording service did not come up";
    }

    // A run over the library, with the window the active one or behind
    // another; returns once the recorder has seen the launcher icon
    // cleared, which the window sends after any notification.
    void Run(bool active)
    {
        (active ? static_cast<QWidget&>(*window) : elsewhere).activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(active ? static_cast<QWidget*>(window.get()) : &elsewhere));
        const auto cleared = [this] { return Lines("progress").filter(QStringLiteral("\tFalse")).size(); };
        const qsizetype before = cleared();
        Child<QPushButton>(*window, "cmdStart").click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return cleared() > before; }, 10000)) << "the icon was not cleared";
    }

    QStringList Lines(const QString& kind) const
    {
        QFile file(QString::fromStdString(log()));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (line.startsWith(kind + QLatin1Char('\t')))
                lines << line;
        return lines;
    }
    std::string log() const { return scratch / "recorded"; }

    ScratchSettings settings;
    TempFolder runtime, library, scratch;
    FakePrompter prompter;
    QProcess recorder;
    QWidget elsewhere;  // another program's window
    std::unique_ptr<Form1> window;
};

TEST_F(DesktopNotices, OnlyALongRunEndingBehindOtherWindowsIsAnnounced)
{
    StartRecorder();
    window->SetLongRun(0ms);
    Run(false);
    const QStringList progress = Lines("progress");
    EXPECT_EQ(progress.join('\n').toStdString(), "progress\tapplication://bindwell.desktop\t0.0\tTrue\n"
                                                 "progress\tapplication://bindwell.desktop\t0.5\tTrue\n"
                                                 "progress\tapplication://bindwell.desktop\t0.0\tFalse");

    Run(true);  // long, but the user is looking
    window->SetLongRun(10s);
    Run(false);  // short

    EXPECT_EQ(Lines("notify").join('\n').toStdString(),
              "notify\tBindwell\tbindwell\tOkay, your books are all set. (2 epubs fixed.)\t");
    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(prompter.messages[2].text, "Okay, your books are all set. (2 epubs fixed.) 2 of them were already as "
                                         "the options ask, and were left untouched.");
}

TEST_F(DesktopNotices, WithoutANotificationServiceTheRunEndsAsEver)
{
    window->SetLongRun(0ms);
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    QElapsedTimer run;
    run.start();
    Child<QPushButton>(*window, "cmdStart").click();
    EXPECT_LT(run.elapsed(), 10000) << "nothing waits for an answer";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Okay, your books are all set. (2 epubs fixed.) The "
                                                         "original books are in the Trash."});
    EXPECT_TRUE(Child<QPushButton>(*window, "cmdStart").isEnabled());
}

}  // namespace
