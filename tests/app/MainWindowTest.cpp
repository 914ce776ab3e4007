// The main window driven as a user drives it: typing, moving the focus,
// clicking and ticking, with every message answered by the fake.
#include "BookBuilder.h"
#include "FakePrompter.h"
#include "QtPrompter.h"
#include "SettingsStore.h"
#include "Form1.h"
#include "TestFiles.h"
#include "UnzipBinding.h"
#include "WorkingFolder.h"
#include "WidgetDriver.h"
#include "ZipFixtures.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Entries = std::vector<std::pair<std::string, bool>>;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        window = std::make_unique<Form1>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    QLineEdit& Text() { return Child<QLineEdit>(*window, "txtBrokenBook"); }
    QPushButton& Button(const char* name) { return Child<QPushButton>(*window, name); }
    QListWidget& List() { return Child<QListWidget>(*window, "listBooks"); }

    Entries Listed()
    {
        Entries entries;
        for (int i = 0; i < List().count(); ++i)
            entries.emplace_back(List().item(i)->text().toStdString(), List().item(i)->checkState() == Qt::Checked);
        return entries;
    }
    void Type(const std::string& text)
    {
        Text().setFocus();
        Text().selectAll();
        QTest::keyClicks(&Text(), QString::fromStdString(text));
    }
    void TabAway() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    // Paths as the desktop names them: on the command line, or dropped
    // from a file manager, which offers to copy, move or link.
    void Open(std::initializer_list<std::string> paths)
    {
        QStringList list;
        for (const std::string& path : paths)
            list << QString::fromStdString(path);
        window->OpenPaths(list);
    }
    bool Drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(window.get(), &drop);
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "a drop never moves the books";
        return drop.isAccepted();
    }
    static QUrl File(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

    ScratchSettings settings;
    TempFolder runtime, library, other;
    FakePrompter prompter;
    std::unique_ptr<Form1> window;
};

TEST_F(MainWindowTest, TypingAFolderListsItsBooksWhenTheFocusMovesOn)
{
    for (const char* file : {"one.epub", "TWO.EPUB", "notes.txt", "Sub/three.Epub", "Extra.epub/inner.epub", ".epub",
                             ".hidden/four.epub", ".five.epub"})
        WriteFile(library / file, "x");

    Type(library.path());
    EXPECT_TRUE(Listed().empty()) << "nothing is listed while the user types";
    TabAway();
    // A folder named like a book is a book; names with a leading dot are hidden.
    const Entries all = {{"Extra.epub", true}, {"one.epub", true}, {"TWO.EPUB", true}, {"Sub/three.Epub", true}};
    EXPECT_EQ(Listed(), all);
    EXPECT_EQ(QApplication::focusWidget(), &Button("cmdBrokenBook")) << "the focus moves on";

    // Back into the box and out again: the same folder keeps the user's ticks.
    List().item(1)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(&Text(), Qt::LeftButton);
    TabAway();
    EXPECT_FALSE(Listed()[1].second);
    EXPECT_EQ(Listed().size(), all.size()) << "no book is listed twice";

    // Another folder replaces the entries; one that does not exist empties the list.
    WriteFile(other / "a.epub", "x");
    Type(other.path());
    TabAway();
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}}));
    Type(library / "missing");
    TabAway();
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(prompter.messages.empty());
}

// Folders and books named on the command line: the text box shows the
// nearest folder that holds them, whose books are listed, and only the
// named ones are ticked; a path that names nothing is shown as typed.
TEST_F(MainWindowTest, PathsOnTheCommandLineAreListedAsIfTheFolderWereTyped)
{
    for (const char* file : {"a.epub", "b.epub", "c.epub", "One/d.epub", "Two/e.epub", "Two/Deeper/f.epub"})
        WriteFile(library / file, "x");

    Open({library.path()});
    EXPECT_EQ(Text().text().toStdString(), library.path());
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}, {"b.epub", true}, {"c.epub", true}, {"One/d.epub", true},
                                 {"Two/e.epub", true}, {"Two/Deeper/f.epub", true}}));
    EXPECT_EQ(QApplication::focusWidget(), &List()) << "the focus moves on";

    Open({library / "a.epub", library / "Two/../c.epub"});
    EXPECT_EQ(Text().text().toStdString(), library.path());
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}, {"b.epub", false}, {"c.epub", true}, {"One/d.epub", false},
                                 {"Two/e.epub", false}, {"Two/Deeper/f.epub", false}}));

    Open({library / "One/d.epub", library / "Two/Deeper/f.epub"});
    EXPECT_EQ(Text().text().toStdString(), library.path()) << "the folder that holds both";
    EXPECT_EQ(Listed(), (Entries{{"a.epub", false}, {"b.epub", false}, {"c.epub", false}, {"One/d.epub", true},
                                 {"Two/e.epub", false}, {"Two/Deeper/f.epub", true}}));

    Open({library / "Two", library / "Two/Deeper/f.epub"});
    EXPECT_EQ(Text().text().toStdString(), library / "Two");
    EXPECT_EQ(Listed(), (Entries{{"e.epub", true}, {"Deeper/f.epub", true}}));

    Open({library / "a.epub", library / "missing"});
    EXPECT_EQ(Text().text().toStdString(), library / "missing");
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(prompter.messages.empty()) << "as for a typed folder that does not exist";
}

// A drop of folders or books does what naming them on the command line
// does, never during a run; anything else is refused.
TEST_F(MainWindowTest, DroppedFoldersAndBooksAreListedExceptDuringARun)
{
    for (const char* book : {"a.epub", "b.epub", "c.epub"})
        MakeEpub(library / book, EpubVersion::Three);
    WriteFile(library / "notes.txt", "x");

    EXPECT_TRUE(Drop({File(library.path())}));
    EXPECT_EQ(Text().text().toStdString(), library.path());
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}, {"b.epub", true}, {"c.epub", true}}));
    EXPECT_TRUE(Drop({File(library / "a.epub"), File(library / "c.epub")}));
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}, {"b.epub", false}, {"c.epub", true}}));

    EXPECT_FALSE(Drop({File(library / "b.epub"), File(library / "notes.txt")}));
    EXPECT_FALSE(Drop({QUrl("https://example.org/b.epub")}));
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}, {"b.epub", false}, {"c.epub", true}}));

    WriteFile(other / "d.epub", "x");
    bool refused = false;
    prompter.onEvents = [&] {
        if (!refused && fs::exists(WorkingFolderPath()))
            refused = !Drop({File(other.path())});
        QCoreApplication::processEvents();
    };
    const std::string untouched = ReadFile(library / "b.epub");
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);
    EXPECT_TRUE(refused);
    EXPECT_EQ(Text().text().toStdString(), library.path());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Okay, your books are all set. (2 epubs fixed.) The "
                                                         "original books are in the Trash."});
    EXPECT_EQ(ReadFile(library / "b.epub"), untouched);
}

TEST_F(MainWindowTest, NeitherEnterNorAnotherWindowTakingTheFocusLists)
{
    WriteFile(library / "one.epub", "x");
    Type(library.path());
    QTest::keyClick(&Text(), Qt::Key_Return);
    QTest::keyClick(&Text(), Qt::Key_Escape);
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(prompter.messages.empty()) << "no button reacts to Enter";

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_TRUE(Listed().empty());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(List().viewport(), Qt::LeftButton);
    EXPECT_EQ(Listed(), (Entries{{"one.epub", true}}));
}

TEST_F(MainWindowTest, AllAndNoneTickEveryEntry)
{
    Button("cmdAll").click();
    Button("cmdNone").click();
    EXPECT_TRUE(Listed().empty());

    for (const char* file : {"a.epub", "b.epub", "c.epub"})
        WriteFile(library / file, "x");
    Type(library.path());
    TabAway();
    List().item(1)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(&Button("cmdNone"), Qt::LeftButton);
    EXPECT_EQ(Listed(), (Entries{{"a.epub", false}, {"b.epub", false}, {"c.epub", false}}));
    QTest::mouseClick(&Button("cmdAll"), Qt::LeftButton);
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}, {"b.epub", true}, {"c.epub", true}}));
}

TEST_F(MainWindowTest, BrowsingListsTheChosenFolderAfresh)
{
    WriteFile(library / "a.epub", "x");
    const auto choose = [this](bool accept) {
        WhenModal([this, accept](QWidget& modal) {
            auto* chooser = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle(), "Select a folder...");
            EXPECT_EQ(chooser->fileMode(), QFileDialog::Directory);
            EXPECT_TRUE(chooser->testOption(QFileDialog::ShowDirsOnly));
            chooser->setDirectory(QString::fromStdString(library.path()));
            accept ? static_cast<QDialog*>(chooser)->accept() : chooser->reject();
        });
        QTest::mouseClick(&Button("cmdBrokenBook"), Qt::LeftButton);
    };

    choose(true);
    EXPECT_EQ(Text().text().toStdString(), library.path());
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}}));

    List().item(0)->setCheckState(Qt::Unchecked);
    choose(false);
    EXPECT_EQ(Listed(), (Entries{{"a.epub", false}})) << "cancelling changes nothing";
    choose(true);
    EXPECT_EQ(Listed(), (Entries{{"a.epub", true}})) << "a chosen folder is listed afresh";
}

TEST_F(MainWindowTest, TypingAPathAndPressingStartFixesTheBooks)
{
    MakeEpub(library / "one.epub", EpubVersion::Three);
    MakeEpub(library / "Sub/two.epub", EpubVersion::Two);

    // While the run goes on: only Start is disabled, Cancel reads Stop, and
    // the window repaints at the start of each book.
    int paintsDuringRun = 0;
    struct PaintCounter : QObject {
        QPushButton* start;
        int* paints;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !start->isEnabled())
                ++*paints;
            return false;
        }
    } counter;
    counter.start = &Button("cmdStart");
    counter.paints = &paintsDuringRun;
    window->installEventFilter(&counter);
    prompter.onMessage = [&](const FakePrompter::Message&) {
        EXPECT_EQ(Button("cmdStart").text(), "Working");
        EXPECT_FALSE(Button("cmdStart").isEnabled());
        EXPECT_EQ(Button("cmdCancel").text(), "S&top");
        EXPECT_TRUE(Button("cmdCancel").isEnabled());
        for (const char* name : {"cmdBrokenBook", "cmdAll", "cmdNone", "cmdOptions"})
            EXPECT_TRUE(Button(name).isEnabled()) << name;
        EXPECT_TRUE(List().isEnabled() && Text().isEnabled());
    };

    Type(library.path());
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Okay, your books are all set. (2 epubs fixed.) The original books are in the Trash.");
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::None);
    for (const char* book : {"one.epub", "Sub/two.epub"}) {
        const auto names = ZipEntryNames(library / book);
        EXPECT_NE(std::find(names.begin(), names.end(), "LiberationSerif-Regular.ttf"), names.end()) << book;
    }
    EXPECT_GE(paintsDuringRun, 2);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Button("cmdStart").text(), "&Start");
    EXPECT_TRUE(Button("cmdStart").isEnabled() && Button("cmdCancel").isEnabled());
    window->removeEventFilter(&counter);

    QTest::mouseClick(&Button("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible()) << "Cancel closes the window";
}

// A run lets the window handle its events throughout: a timer started
// before Start fires during the run, and ticks changed from it apply to
// the books not yet reached.
TEST_F(MainWindowTest, TheWindowHandlesEventsThroughoutARun)
{
    prompter.onEvents = [] { QCoreApplication::processEvents(); };
    for (const char* book : {"a.epub", "b.epub", "c.epub"})
        MakeEpub(library / book, EpubVersion::Three);
    const std::string untouched = ReadFile(library / "c.epub");
    Type(library.path());
    TabAway();

    int firedDuringRun = 0, firedBeforeSummary = -1;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!Button("cmdStart").isEnabled()) {
            ++firedDuringRun;
            List().item(2)->setCheckState(Qt::Unchecked);
        }
    });
    timer.start();
    prompter.onMessage = [&](const FakePrompter::Message&) { firedBeforeSummary = firedDuringRun; };
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);

    EXPECT_GT(firedBeforeSummary, 0);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Okay, your books are all set. (2 epubs fixed.) The original books are in the Trash."});
    EXPECT_EQ(ReadFile(library / "c.epub"), untouched);
}

// Listing another folder during a run may empty the list: the run ends
// through Cleanup with the run-time failure message.
TEST_F(MainWindowTest, ARelistingThatEmptiesTheListEndsTheRunThroughCleanup)
{
    prompter.onEvents = [] { QCoreApplication::processEvents(); };
    for (const char* book : {"a.epub", "b.epub"})
        MakeEpub(library / book, EpubVersion::Three);
    const std::string untouched = ReadFile(library / "b.epub");
    Type(library.path());
    TabAway();
    bool relisted = false;
    prompter.onEvents = [&] {
        if (!relisted && fs::exists(WorkingFolderPath())) {  // the first book is in hand
            relisted = true;
            Text().setFocus();
            Text().setText(QString::fromStdString(other.path()));
            Button("cmdAll").setFocus();
        }
        QCoreApplication::processEvents();
    };
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);

    ASSERT_TRUE(relisted);
    EXPECT_TRUE(Listed().empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind("9 Error unzipping:  Subscript out of range", 0), 0u);
    EXPECT_EQ(ReadFile(library / "b.epub"), untouched);
    EXPECT_EQ(Button("cmdStart").text(), "&Start");
    EXPECT_TRUE(Button("cmdStart").isEnabled() && Button("cmdCancel").isEnabled());
    EXPECT_FALSE(fs::exists(WorkingFolderPath()));
    EXPECT_FALSE(fs::exists(WorkingFolderPath() + ".lock"));
}

// The close box during a run stops it after the book in hand, which is
// finished; the window closes once the run has cleaned up.
TEST_F(MainWindowTest, ClosingDuringARunStopsAfterTheBookInHand)
{
    for (const char* book : {"a.epub", "b.epub"})
        MakeEpub(library / book, EpubVersion::Three);
    const std::string untouched = ReadFile(library / "b.epub");
    Type(library.path());
    TabAway();
    QString shown;
    prompter.onEvents = [&] {
        if (shown.isEmpty() && fs::exists(WorkingFolderPath())) {
            window->close();
            shown = window->ProgressLine();
        }
        QCoreApplication::processEvents();
    };
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);

    EXPECT_EQ(shown, "Stopping after a.epub");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.messages.empty()) << "no summary";
    const auto names = ZipEntryNames(library / "a.epub");
    EXPECT_NE(std::find(names.begin(), names.end(), "LiberationSerif-Regular.ttf"), names.end());
    EXPECT_EQ(ReadFile(library / "b.epub"), untouched);
    EXPECT_FALSE(fs::exists(WorkingFolderPath()));
}

// Stop ends the run after the book in hand, with a summary of what was
// done; the bar under the list counts the books done of those ticked while
// the run goes on, and is hidden otherwise.
TEST_F(MainWindowTest, StopEndsTheRunAfterTheBookInHandAndTheBarCountsTheBooks)
{
    for (const char* book : {"a.epub", "b.epub", "c.epub", "d.epub"})
        MakeEpub(library / book, EpubVersion::Three);
    const std::string untouched = ReadFile(library / "d.epub");
    Type(library.path());
    TabAway();
    List().item(2)->setCheckState(Qt::Unchecked);
    QProgressBar& bar = Child<QProgressBar>(*window, "progressBar");
    EXPECT_FALSE(bar.isVisible());

    std::set<std::pair<int, int>> seen;  // value, maximum
    prompter.onEvents = [&] {
        if (bar.isVisible())
            seen.emplace(bar.value(), bar.maximum());
        if (bar.value() == 1 && Button("cmdCancel").isEnabled())
            QTest::mouseClick(&Button("cmdCancel"), Qt::LeftButton);  // Stop, during the second book
        QCoreApplication::processEvents();
    };
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);

    EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{0, 3}, {1, 3}}));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Stopped. (2 epubs fixed.) The original books are in the Trash."});
    EXPECT_EQ(ReadFile(library / "d.epub"), untouched);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(Button("cmdCancel").text(), "&Cancel");
    EXPECT_TRUE(Button("cmdCancel").isEnabled());
}

// The options dialog used in the middle of a book's stylesheets: the book
// is fixed whole by the options it began with, and the next book by the
// new ones.
class OptionsChangedMidBook : public MainWindowTest,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(OptionsChangedMidBook, TheBookInHandKeepsItsOptionsAndTheNextTakesTheNew)
{
    const std::string box = GetParam();  // the control the user changes
    for (const char* book : {"a.epub", "b.epub", "c.epub"}) {
        MakeEpub(library / book, EpubVersion::Three);
        std::vector<EntrySpec> sheets;
        for (int i = 0; i < 40; ++i)
            sheets.push_back({"OEBPS/Styles/s" + std::to_string(i) + ".css", "p { font-size: 9pt; }\n"});
        BuildZip(library / book, sheets, true);
    }
    Type(library.path());
    TabAway();
    int walked = 0;
    prompter.onEvents = [&] {
        // The walk lets the window handle its events at every file: half
        // way through b.epub's stylesheets, the user's clicks arrive.
        if (window->ProgressLine().contains("2 of 3") && fs::exists(WorkingFolderPath() + "/OEBPS/Styles") &&
            ++walked == 20) {
            WhenModal([&](QWidget& dialog) {
                if (box == "checkIntlFonts")
                    Child<QCheckBox>(dialog, "checkIntlFonts").setChecked(false);
                else
                    Child<QRadioButton>(dialog, "radioDeleteCss").setChecked(true);
                QTest::mouseClick(&Child<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
            });
            QMetaObject::invokeMethod(&Button("cmdOptions"), "click", Qt::QueuedConnection);
        }
        QCoreApplication::processEvents();
    };
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);
    ASSERT_GE(walked, 20);

    const auto fonts = [&](const std::string& book) {
        const auto names = ZipEntryNames(library / book);
        return std::count_if(names.begin(), names.end(),
                             [](const std::string& n) { return n.rfind("LiberationSerif-", 0) == 0; });
    };
    const auto sheets = [&](const std::string& book) {
        std::set<std::string> kinds;  // every stylesheet's text: one when all were treated alike
        const auto contents = ZipContents(library / book);
        for (const auto& [name, bytes] : contents.value())
            if (name.rfind("OEBPS/Styles/s", 0) == 0)
                kinds.insert(bytes);
        return kinds;
    };
    // b.epub is whole: every font its manifest and stylesheets name is in it.
    EXPECT_EQ(fonts("b.epub"), 4);
    EXPECT_NE(EntryBytes(library / "b.epub", BookPackage).find("LiberationSerif-Regular.ttf"), std::string::npos);
    ASSERT_EQ(sheets("b.epub").size(), 1u);
    EXPECT_NE(sheets("b.epub").begin()->find("LiberationSerif"), std::string::npos);
    // c.epub follows the new value.
    if (box == "checkIntlFonts") {
        EXPECT_EQ(fonts("c.epub"), 0);
        ASSERT_EQ(sheets("c.epub").size(), 1u);
        EXPECT_EQ(sheets("c.epub").begin()->find("Liberation"), std::string::npos);
    } else {
        EXPECT_TRUE(sheets("c.epub").empty()) << "deleted";
    }
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Okay, your books are all set. (3 epubs fixed.) The original books are in the Trash."});
}

INSTANTIATE_TEST_SUITE_P(Options, OptionsChangedMidBook, ::testing::Values("checkIntlFonts", "radioDeleteCss"));

// After a run each entry it reached shows how its book's fix ended, until
// the list is read again.
TEST_F(MainWindowTest, EachBookReachedShowsItsOutcome)
{
    MakeEpub(library / "a.epub", EpubVersion::Three);
    MakeEpub(library / "b.epub", EpubVersion::Three);
    MakeEpub(library / "c.epub", EpubVersion::Three);
    BuildZip(library / "c.epub", {{"META-INF/encryption.xml", "<encryption"}}, true);
    WriteFile(library / "d.epub", "not an archive");
    MakeEpub(library / "e.epub", EpubVersion::Three);
    Type(library.path());
    TabAway();
    for (int i = 1; i < List().count(); ++i)
        List().item(i)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);  // a.epub, fixed now
    for (int i = 1; i < List().count(); ++i)
        List().item(i)->setCheckState(Qt::Checked);
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);  // ends at d.epub

    const auto tip = [&](int i) { return List().item(i)->toolTip().toStdString(); };
    EXPECT_EQ(tip(0), "Already as the options ask: left untouched");
    // A fixed book's mark says what its fix did, from the fix's own record.
    EXPECT_EQ(tip(1).rfind("Fixed: 1 stylesheets, 1 declarations removed; the fonts embedded, cut to the book's "
                           "characters (", 0), 0u) << tip(1);
    EXPECT_EQ(tip(2).rfind("Left as it was: protected: META-INF/encryption.xml is not well-formed", 0), 0u) << tip(2);
    EXPECT_EQ(tip(3).rfind("Failed: " + library / "d.epub", 0), 0u) << tip(3);
    EXPECT_EQ(tip(4), "") << "not reached";
    EXPECT_TRUE(List().item(4)->icon().isNull());
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_DialogApplyButton,
                                            QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(List().item(i)->icon().pixmap(16).toImage(),
                  window->style()->standardIcon(icons[i]).pixmap(16).toImage())
            << i;

    Type(other.path());
    TabAway();
    Type(library.path());
    TabAway();
    for (int i = 0; i < List().count(); ++i)
        EXPECT_TRUE(List().item(i)->icon().isNull() && List().item(i)->toolTip().isEmpty()) << i;
}

// A book made a Kobo book shows its new name in the list after the run,
// with its outcome, and is found by it the next time.
TEST_F(MainWindowTest, AKoboBookShowsItsNewNameInTheList)
{
    SettingsStore::LoadOptions();
    SettingsStore::PutOption(OptionKey::KoboBooks, true);
    MakeEpub(library / "Shelf/a.epub", EpubVersion::Three);
    MakeEpub(library / "b.epub", EpubVersion::Three);
    Type(library.path());
    TabAway();
    ASSERT_EQ(Listed(), (Entries{{"b.epub", true}, {"Shelf/a.epub", true}}));
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);
    EXPECT_EQ(Listed(), (Entries{{"b.kepub.epub", true}, {"Shelf/a.kepub.epub", true}}));
    const std::string tip = List().item(1)->toolTip().toStdString();
    EXPECT_EQ(tip.rfind("Fixed: ", 0), 0u) << tip;
    EXPECT_NE(tip.find("; now a.kepub.epub"), std::string::npos) << tip;
    EXPECT_TRUE(fs::exists(library / "Shelf/a.kepub.epub") && !fs::exists(library / "Shelf/a.epub"));
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);
    EXPECT_EQ(List().item(1)->toolTip().toStdString(), "Already as the options ask: left untouched");
}

// Message boxes show their texts as they are: a book's name is never read
// as markup.
TEST_F(MainWindowTest, ABookNamedLikeMarkupShowsItsNameInTheFailureBox)
{
    WriteFile(library / "<b>x.epub", "not an archive");
    QtPrompter real([](const std::string&) {});
    SetPrompter(&real);
    Type(library.path());
    TabAway();
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    WhenModal([&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        format = box->textFormat();
        box->accept();
    });
    QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton);
    SetPrompter(&prompter);

    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(text.startsWith(QString::fromStdString(library / "<b>x.epub") + "\nBindwell left this book")) << text.toStdString();
}

TEST_F(MainWindowTest, ARefusedUnzipLibraryEndsTheProgram)
{
    MakeEpub(library / "one.epub", EpubVersion::Three);
    const std::string before = ReadFile(library / "one.epub");
    SetUnzipLibraryFile(std::string(BINDWELL_FAKES_DIR) + "/libfake_unzip_old.so");
    Type(library.path());
    TabAway();
    QTimer::singleShot(0, [this] { QTest::mouseClick(&Button("cmdStart"), Qt::LeftButton); });
    const int status = QApplication::exec();
    SetUnzipLibraryFile(UnzipLibraryName);

    EXPECT_EQ(status, 3);
    EXPECT_FALSE(window->isVisible());
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(ReadFile(library / "one.epub"), before);
    EXPECT_FALSE(fs::exists(library / "one.epub.tmp"));
}

TEST_F(MainWindowTest, PrintedTextStaysOnTheSurfaceWhenTheWindowIsShownAgain)
{
    // The text goes to the free strip between "Options..." and "Start".
    const QRect options = Button("cmdOptions").geometry(), start = Button("cmdStart").geometry();
    const QRect strip(QPoint(options.right() + 1, start.top()), QPoint(start.left() - 1, start.bottom()));
    const auto surface = [&] { return window->grab(strip).toImage(); };
    const QImage blank = surface();
    window->Print("  adding: OEBPS/Text/chapter1.xhtml (deflated 61%)\r\n");
    const QImage printed = surface();
    EXPECT_NE(printed, blank);
    window->hide();
    window->show();
    EXPECT_EQ(surface(), printed);
}

}  // namespace
