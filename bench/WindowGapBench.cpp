// How often the main window handles its events during a real run. Runs the
// window offscreen over a copy of a library of books, from the Start click
// to the summary, and reports the longest gap between two handlings of
// events: a desktop takes a window that does not answer for a few seconds
// for a dead one.
//     window_gap_bench FOLDER      (the books in FOLDER are fixed in place)
#include "Form1.h"
#include "QtPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The window's own message boxes, except that the run's last message ends
// the measurement instead of waiting for a click.
class EndOfRun : public QtPrompter {
public:
    explicit EndOfRun(std::function<void(const std::string&)> atEnd)
        : QtPrompter([](const std::string&) {}), atEnd_(std::move(atEnd))
    {
    }
    MessageAnswer ShowMessageBox(const std::string& text, const std::string&, MessageButtons, MessageIcon) override
    {
        atEnd_(text);
        return MessageAnswer::Ok;
    }

private:
    std::function<void(const std::string&)> atEnd_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_gap_bench FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string folder = argv[1];

    Form1 window;
    QElapsedTimer clock;
    std::vector<qint64> gaps;
    qint64 last = 0;
    bool measuring = false;
    std::string summary;
    const auto handled = [&] {
        const qint64 now = clock.nsecsElapsed();
        if (measuring)
            gaps.push_back(now - last);
        last = now;
    };
    EndOfRun prompter([&](const std::string& text) {
        handled();
        measuring = false;
        summary = text;
    });
    SetPrompter(&prompter);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtBrokenBook"))->setText(QString::fromStdString(folder));
    window.FindBooks(folder + "/", "");

    // A zero timer fires each time the window handles its pending events.
    QTimer beat;
    beat.setInterval(0);
    QObject::connect(&beat, &QTimer::timeout, handled);
    beat.start();
    QTimer::singleShot(0, [&] {
        clock.start();
        last = 0;
        measuring = true;
        window.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
        QApplication::quit();
    });
    QApplication::exec();
    SetPrompter(nullptr);

    if (gaps.empty()) {
        std::fprintf(stderr, "no run was measured\n");
        return 1;
    }
    std::vector<qint64> sorted = gaps;
    std::sort(sorted.begin(), sorted.end());
    const auto ms = [](qint64 ns) { return static_cast<double>(ns) / 1e6; };
    std::printf("%s\n", summary.c_str());
    std::printf("run: %.2f s, %zu handlings of events\n", ms(last) / 1000, gaps.size());
    std::printf("gap between two handlings: median %.2f ms, 99th percentile %.1f ms, longest %.1f ms\n",
                ms(sorted[sorted.size() / 2]), ms(sorted[sorted.size() * 99 / 100]), ms(sorted.back()));
    return 0;
}
