#include "Form1.h"

#include "BatchRun.h"
#include "BookDiscovery.h"
#include "ControlFactory.h"
#include "DesktopSignals.h"
#include "OpenedPaths.h"
#include "Options.h"
#include "PathText.h"
#include "ProgramEnd.h"
#include "SettingsStore.h"
#include "ShownText.h"
#include "SummaryWatch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include <algorithm>
#include <climits>

namespace {

// The caption or text in the user's language (Qt's lupdate finds the
// texts by this name).
QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate(context, sourceText, disambiguation, n);
}

constexpr int EntryBytesRole = Qt::UserRole;

// A first-run estimate of the time left needs a few books behind it.
constexpr std::size_t BooksBeforeEstimate = 3;

QString TimeLeft(qint64 seconds)
{
    if (seconds < 60)
        return translate("Form1", "less than a minute left");
    const int minutes = static_cast<int>((seconds + 59) / 60);
    if (seconds < 3600)
        return translate("Form1", "about %n minutes left", nullptr, minutes);
    return translate("Form1", "about %1 h %2 min left").arg(seconds / 3600).arg((seconds % 3600 + 59) / 60);
}

// The icon and tooltip an entry carries once its book is done.
struct OutcomeLook {
    QStyle::StandardPixmap icon;
    QString words;
};

OutcomeLook LookOf(BookOutcome outcome)
{
    switch (outcome) {
    case BookOutcome::Fixed:
        return {QStyle::SP_DialogApplyButton, translate("Form1", "Fixed")};
    case BookOutcome::Untouched:
        return {QStyle::SP_MessageBoxInformation, translate("Form1", "Already as the options ask: left untouched")};
    case BookOutcome::LeftAlone:
        return {QStyle::SP_MessageBoxWarning, translate("Form1", "Left as it was: ")};
    case BookOutcome::Failed:
        break;
    }
    return {QStyle::SP_MessageBoxCritical, translate("Form1", "Failed: ")};
}

// The free bands of the surface where the run's progress and the Zip
// library's text are drawn: below the text box, and between the Options
// and Start buttons.
constexpr TwipsRect ProgressBand{240, 870, 6015, 195};
constexpr TwipsRect PrintBand{1320, 4320, 2670, 360};

QRect PixelRect(const TwipsRect& r, int dpi)
{
    return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi),
            TwipsToPixels(r.height, dpi)};
}

// Paths as the window reads them: absolute, without "." or "..".
std::vector<std::string> AbsolutePaths(const QStringList& paths)
{
    std::vector<std::string> absolute;
    for (const QString& path : paths)
        absolute.push_back(TypedText(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
    return absolute;
}

// The paths a drop names: local files only, each a folder or an EPUB file;
// empty when the drop names anything else.
QStringList DroppedPaths(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return OpenedPaths(AbsolutePaths(paths)).AllFound() ? paths : QStringList();
}

// The files are read where they are: a drop never moves them.
Qt::DropAction ReadingAction(Qt::DropActions possible)
{
    if (possible & Qt::CopyAction)
        return Qt::CopyAction;
    return possible & Qt::LinkAction ? Qt::LinkAction : Qt::IgnoreAction;
}

// The last line of a printed text that holds anything.
QString LastLine(const std::string& text)
{
    const QStringList lines = ShownText(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (!line->trimmed().isEmpty())
            return line->trimmed();
    return {};
}

}  // namespace

Form1::Form1()
{
    // The window's load: the fix options, nothing else.
    SettingsStore::LoadOptions();
    desktop_ = std::make_unique<DesktopSignals>();

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Bindwell"));
    const int dpi = ScreenDotsPerInch();
    MakeFixedWindow(*this, 6525, 4935, dpi);

    // Every button has a key of its own (Alt and the underlined letter);
    // the two labels name the box and the list they stand over, also for
    // a screen reader.
    Label1 = MakeControl<QLabel>(this, "Label1", translate("Form1", "&Load EBook from:"), {240, 240, 1260, 195}, dpi);
    txtBrokenBook = MakeControl<QLineEdit>(this, "txtBrokenBook", QString(), {240, 480, 4935, 375}, dpi);
    cmdBrokenBook = MakeControl<QPushButton>(this, "cmdBrokenBook", translate("Form1", "&Browse..."),
                                             {5280, 480, 990, 360}, dpi);
    cmdStart = MakeControl<QPushButton>(this, "cmdStart", translate("Form1", "&Start"), {4080, 4320, 990, 360}, dpi);
    cmdCancel = MakeControl<QPushButton>(this, "cmdCancel", translate("Form1", "&Cancel"), {5280, 4320, 990, 360}, dpi);
    listBooks = new QListWidget(this);
    listBooks->setObjectName(QStringLiteral("listBooks"));
    listBooks->setSelectionMode(QAbstractItemView::SingleSelection);
    listBooks->setSortingEnabled(false);
    // An outcome's icon no taller than a line, so that the list keeps its rows.
    const int line = listBooks->fontMetrics().height();
    listBooks->setIconSize(QSize(line, line));
    PlaceInTwips(*listBooks, {240, 1440, 6015, 2400}, dpi);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setAccessibleName(translate("Form1", "Books done"));
    progressBar->setTextVisible(true);
    PlaceInTwips(*progressBar, {240, 3900, 6015, 300}, dpi);
    progressBar->hide();
    Label2 = MakeControl<QLabel>(this, "Label2", translate("Form1", "Check the boo&ks you want to fix:"),
                                 {240, 1200, 2385, 195}, dpi);
    Label4 = MakeControl<QLabel>(this, "Label4", translate("Form1", "Select:"), {4200, 1200, 495, 195}, dpi);
    cmdNone = MakeControl<QPushButton>(this, "cmdNone", translate("Form1", "&None"), {5520, 1080, 735, 360}, dpi);
    cmdAll = MakeControl<QPushButton>(this, "cmdAll", translate("Form1", "&All"), {4800, 1080, 615, 360}, dpi);
    cmdOptions =
        MakeControl<QPushButton>(this, "cmdOptions", translate("Form1", "&Options..."), {240, 4320, 990, 360}, dpi);
    // A translation may need more room than the design gave a caption: the
    // rows grow from their anchored edges, the text box gives way to Browse.
    const int browseLeft = cmdBrokenBook->x();
    FitRow({cmdBrokenBook}, true);
    txtBrokenBook->resize(txtBrokenBook->width() - (browseLeft - cmdBrokenBook->x()), txtBrokenBook->height());
    FitRow({Label4, cmdAll, cmdNone}, true);
    FitRow({cmdOptions}, false);
    FitRow({cmdStart, cmdCancel}, true, {translate("Form1", "S&top")});
    Label1->setBuddy(txtBrokenBook);
    Label2->setBuddy(listBooks);
    // A list does not take its accessible name from its label as a text
    // box does.
    listBooks->setAccessibleName(Label2->text().remove(QLatin1Char('&')));

    // The tab order follows the layout: top to bottom, left to right.
    QWidget* tabOrder[] = {txtBrokenBook, cmdBrokenBook, cmdAll, cmdNone, listBooks, cmdOptions, cmdStart, cmdCancel};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    setAcceptDrops(true);
    txtBrokenBook->installEventFilter(this);
    connect(cmdBrokenBook, &QPushButton::clicked, this, [this] { OpenFolder(*txtBrokenBook); });
    connect(cmdAll, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(cmdNone, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(cmdOptions, &QPushButton::clicked, this, [this] { ShowOptions(); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { Start(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { CancelOrStop(); });

    txtBrokenBook->setFocus();
}

Form1::~Form1() = default;

void Form1::OpenFolder(QLineEdit& txtBox)
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, translate("Form1", "Select a folder..."), QDir::homePath(), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return;
    // Setting the text from here does not count as the user's validation.
    txtBox.setText(QDir::toNativeSeparators(chosen));
    ListFolder(TypedText(txtBox.text()));
}

void Form1::OpenPaths(const QStringList& paths)
{
    const OpenedPaths opened(AbsolutePaths(paths));
    txtBrokenBook->setText(QDir::toNativeSeparators(ShownText(opened.Folder())));
    ListFolder(opened.Folder());
    for (int i = 0; i < listBooks->count(); ++i)
        listBooks->item(i)->setCheckState(opened.Ticks(EntryText(static_cast<std::size_t>(i))) ? Qt::Checked
                                                                                                 : Qt::Unchecked);
    // As when the user moves on from the text box: to the books.
    listBooks->setFocus(Qt::OtherFocusReason);
}

void Form1::FindBooks(const std::string& FolderPath, const std::string& InnerPath)
{
    ::FindBooks(FolderPath, InnerPath, [this](const std::string& entry) {
        auto* item = new QListWidgetItem(ShownText(entry));
        item->setData(EntryBytesRole, QByteArray::fromStdString(entry));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        listBooks->addItem(item);
    });
}

// Each listing replaces the list, so that every entry belongs to the
// folder in the text box and no book is listed twice.
void Form1::ListFolder(const std::string& folder)
{
    listBooks->clear();
    ++listing_;
    listed_ = folder;
    FindBooks(folder + PathText::Separator, "");
}

// The focus left the text box for another control: list the folder it
// names, unless its books are listed already (ticks the user changed stay).
void Form1::ValidateFolderText()
{
    const std::string folder = TypedText(txtBrokenBook->text());
    if (folder.empty() || folder == listed_)
        return;
    ListFolder(folder);
}

void Form1::TickAll(bool ticked)
{
    for (int i = 0; i < listBooks->count(); ++i)
        listBooks->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void Form1::ShowOptions()
{
    if (!options_)
        options_ = std::make_unique<Options>();
    if (options_->exec() != QDialog::Accepted)
        options_.reset();
}

void Form1::Start()
{
    running_ = true;
    stopRequested_ = false;
    stopWithSummary_ = false;
    runLength_.start();
    runCounted_ = 0;
    // The outcomes shown are this run's: entries it does not reach carry none.
    runListing_ = listing_;
    for (int i = 0; i < listBooks->count(); ++i) {
        listBooks->item(i)->setIcon(QIcon());
        listBooks->item(i)->setToolTip(QString());
    }
    try {
        SummaryWatch watch([this](const std::string& summary) { SummaryShowing(summary); });
        StartBatchRun(*this);
    } catch (const ProgramEndRequest& end) {
        running_ = false;
        desktop_->ClearProgress();
        EndProgram(end.exitCode);
        return;
    }
    running_ = false;
    desktop_->ClearProgress();
    progress_.clear();
    printed_.clear();
    progressBar->hide();
    update();
    if (stopRequested_ && !stopWithSummary_)
        close();
}

// Cancel closes the window; during a run it reads Stop and stops the run
// after the book in hand.
void Form1::CancelOrStop()
{
    if (running_)
        RequestStop(true);
    else
        close();
}

void Form1::RequestStop(bool withSummary)
{
    if (!stopRequested_)
        stopWithSummary_ = withSummary;
    else if (!withSummary)
        stopWithSummary_ = false;  // closing after Stop still closes, quietly
    stopRequested_ = true;
    cmdCancel->setEnabled(false);
    progress_ = translate("Form1", "Stopping after %1").arg(current_);
    update();
}

// The UnZip library was refused: the window closes and the program ends
// with the given status.
void Form1::EndProgram(int exitCode)
{
    ending_ = true;
    close();
    QCoreApplication::exit(exitCode);
}

// The summary box is coming up: the run is over. A long one that ends
// while the user is elsewhere is announced with the summary's first
// sentence, which says how many books were fixed; then the launcher icon
// is cleared.
void Form1::SummaryShowing(const std::string& summary)
{
    if (runLength_.elapsed() >= longRun_.count() && !isActiveWindow()) {
        RunTally tally;
        tally.fixed = runCounted_;
        tally.stopped = stopRequested_ && stopWithSummary_;
        const std::string first = SummaryText(tally);
        desktop_->Notify(ShownText(summary.rfind(first, 0) == 0 ? first : summary));
    }
    desktop_->ClearProgress();
}

void Form1::Print(const std::string& text)
{
    const QString line = LastLine(text);
    if (line.isEmpty())
        return;
    printed_ = line;
    update();
}

std::string Form1::FolderText() const
{
    return TypedText(txtBrokenBook->text());
}

std::size_t Form1::EntryCount() const
{
    return static_cast<std::size_t>(listBooks->count());
}

std::string Form1::EntryText(std::size_t index) const
{
    return listBooks->item(static_cast<int>(index))->data(EntryBytesRole).toByteArray().toStdString();
}

bool Form1::EntryTicked(std::size_t index) const
{
    return listBooks->item(static_cast<int>(index))->checkState() == Qt::Checked;
}

void Form1::SetStartCaption(const std::string& caption)
{
    // The run names the caption; the window shows it in the user's language.
    cmdStart->setText(caption == "Start" ? translate("Form1", "&Start")
                                         : translate("Form1", "Working"));
}

void Form1::SetStartEnabled(bool enabled)
{
    cmdStart->setEnabled(enabled);
}

// During a run Cancel is Stop, and stays enabled until pressed.
void Form1::SetCancelEnabled(bool enabled)
{
    const bool stop = running_ && !enabled;
    cmdCancel->setText(stop ? translate("Form1", "S&top") : translate("Form1", "&Cancel"));
    cmdCancel->setEnabled(enabled || (stop && !stopRequested_));
}

// Drawn and painted at once, without handling any input, so that a long
// run shows where it stands.
void Form1::BookStarting(std::size_t number, std::size_t total, const std::string& entry)
{
    current_ = ShownText(entry);
    if (!stopRequested_)
        progress_ = translate("Form1", "Fixing %1 of %2: %3").arg(number).arg(total).arg(current_);
    const std::size_t done = number - 1;
    if (done == 0)
        runClock_.start();
    const int books = static_cast<int>(std::min<std::size_t>(total, INT_MAX));
    QString shown = translate("Form1", "%1 of %n books", nullptr, books).arg(done);
    if (done >= BooksBeforeEstimate) {
        const qint64 perBook = runClock_.elapsed() / static_cast<qint64>(done);
        //: %1 counts the books done, %2 says the time left.
        shown = translate("Form1", "%1, %2")
                    .arg(shown, TimeLeft(perBook * static_cast<qint64>(total - done) / 1000));
    }
    progressBar->setMaximum(books);
    progressBar->setValue(static_cast<int>(std::min<std::size_t>(done, INT_MAX)));
    progressBar->setFormat(shown.replace(QLatin1Char('%'), QStringLiteral("%%")));
    progressBar->show();
    desktop_->ShowProgress(total == 0 ? 0.0 : static_cast<double>(done) / static_cast<double>(total));
    repaint();
}

void Form1::BookRenamed(std::size_t index, const std::string& newPath)
{
    if (listing_ != runListing_ || index >= EntryCount())
        return;  // the list was read again: the entry is another book's
    // The entry keeps its folders; its file name becomes the new one.
    QListWidgetItem* item = listBooks->item(static_cast<int>(index));
    const std::string entry = EntryText(index);
    const std::size_t slash = entry.find_last_of('/');
    const std::size_t newSlash = newPath.find_last_of('/');
    const std::string renamed = (slash == std::string::npos ? std::string() : entry.substr(0, slash + 1)) +
                                (newSlash == std::string::npos ? newPath : newPath.substr(newSlash + 1));
    item->setData(EntryBytesRole, QByteArray::fromStdString(renamed));
    item->setText(ShownText(renamed));
}

void Form1::BookFinished(std::size_t index, BookOutcome outcome, const std::string& why)
{
    if (outcome == BookOutcome::Fixed || outcome == BookOutcome::Untouched)
        ++runCounted_;
    if (listing_ != runListing_ || index >= EntryCount())
        return;  // the list was read again: the entry is another book's
    QListWidgetItem* item = listBooks->item(static_cast<int>(index));
    const OutcomeLook look = LookOf(outcome);
    item->setIcon(style()->standardIcon(look.icon));
    // A fixed book's mark says what the fix did, from its record.
    if (outcome == BookOutcome::Fixed && !why.empty())
        item->setToolTip(translate("Form1", "Fixed: ") + ShownText(why));
    else
        item->setToolTip(look.words + ShownText(why));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtBrokenBook && event->type() == QEvent::FocusOut) {
        // Only a move to another control validates; the window losing
        // activation (another window, a message box) does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ValidateFolderText();
    }
    return QWidget::eventFilter(watched, event);
}

// Closing the window during a run stops the run after the book in hand,
// which is finished or left as it was; the window closes once the run has
// cleaned up.
void Form1::closeEvent(QCloseEvent* event)
{
    if (running_ && !ending_) {
        event->ignore();
        RequestStop(false);
        return;
    }
    event->accept();
}

void Form1::paintEvent(QPaintEvent*)
{
    if (progress_.isEmpty() && printed_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int dpi = ScreenDotsPerInch();
    const auto draw = [&](const QString& text, const TwipsRect& band, Qt::TextElideMode elide) {
        const QRect area = PixelRect(band, dpi);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(text, elide, area.width()));
    };
    draw(progress_, ProgressBand, Qt::ElideMiddle);
    draw(printed_, PrintBand, Qt::ElideRight);
}

// Folders and books dropped from a file manager do what naming them on the
// command line does; not during a run, whose list they would replace.
void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    const Qt::DropAction action = ReadingAction(event->possibleActions());
    if (running_ || action == Qt::IgnoreAction || DroppedPaths(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void Form1::dropEvent(QDropEvent* event)
{
    const Qt::DropAction action = ReadingAction(event->possibleActions());
    const QStringList paths = DroppedPaths(event->mimeData());
    if (running_ || action == Qt::IgnoreAction || paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    OpenPaths(paths);
}
