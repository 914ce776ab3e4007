#include "Options.h"

#include "ControlFactory.h"
#include "FixOptions.h"
#include "SettingsStore.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The caption or text in the user's language (Qt's lupdate finds the
// texts by this name).
QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate(context, sourceText, disambiguation, n);
}

void Tick(QCheckBox* box, const char* key)
{
    box->setChecked(SettingsStore::IsOptionOn(key));
}

// The screens the dialog offers, common e-readers' own.
constexpr FixOptions::Screen CommonScreens[] = {{1072, 1448}, {1236, 1648}, {1264, 1680}, {1440, 1920}, {1860, 2480}};

QString ScreenCaption(const FixOptions::Screen& screen)
{
    return QStringLiteral("%1 \u00D7 %2").arg(screen.width).arg(screen.height);
}

// Selects the screen the settings name; one set elsewhere (on the command
// line) joins the choices rather than be lost.
void ChooseScreen(QComboBox& combo, const FixOptions::Screen& screen)
{
    const QString text = QString::fromStdString(ScreenSizeText(screen));
    int index = combo.findData(text);
    if (index < 0) {
        combo.addItem(ScreenCaption(screen), text);
        index = combo.count() - 1;
    }
    combo.setCurrentIndex(index);
}

}  // namespace

Options::Options()
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(translate("Options", "Options..."));
    const int dpi = ScreenDotsPerInch();
    MakeFixedWindow(*this, 10710, 5445, dpi);

    cssFrame =
        MakeControl<QGroupBox>(this, "cssFrame", translate("Options", "Text styling"), {240, 240, 5055, 2775}, dpi);
    Label3 = MakeControl<QLabel>(cssFrame, "Label3",
        translate("Options", "(Otherwise, we'll just remove all the font sizes.)"), {480, 2280, 3435, 195}, dpi);
    radioAlterCss = MakeControl<QRadioButton>(
        cssFrame, "radioAlterCss", translate("Options", "&Alter the stylesheet:"), {240, 360, 1815, 255}, dpi);
    radioDeleteCss = MakeControl<QRadioButton>(
        cssFrame, "radioDeleteCss", translate("Options", "&Delete CSS entirely?"), {240, 2040, 1815, 255}, dpi);
    checkJustify = MakeControl<QCheckBox>(
        cssFrame, "checkJustify", translate("Options", "&Justify all paragraphs."), {480, 1080, 3375, 255}, dpi);
    checkText = MakeControl<QCheckBox>(cssFrame, "checkText", translate("Options", "&Remove fixed font sizes."),
                                       {480, 720, 3495, 255}, dpi);
    checkIntlFonts = MakeControl<QCheckBox>(
        cssFrame, "checkIntlFonts", translate("Options", "&Install Liberation fonts."), {480, 1440, 2655, 255}, dpi);
    Label1 = MakeControl<QLabel>(cssFrame, "Label1",
        translate("Options", "(Allows display of international characters.)"), {720, 1680, 3120, 195}, dpi);
    // Beside the text styling, one row for each choice.
    readerFrame = MakeControl<QGroupBox>(this, "readerFrame", translate("Options", "For e-readers"),
                                         {5415, 240, 5055, 4515}, dpi);
    checkLineHeights = MakeControl<QCheckBox>(readerFrame, "checkLineHeights",
        translate("Options", "Remove fixed &line heights"), {240, 360, 3375, 255}, dpi);
    checkPageMargins = MakeControl<QCheckBox>(readerFrame, "checkPageMargins",
        translate("Options", "Remove &page margins"), {240, 720, 2655, 255}, dpi);
    checkFontFamilies = MakeControl<QCheckBox>(readerFrame, "checkFontFamilies",
        translate("Options", "&Use the reader's own typeface"), {240, 1080, 3495, 255}, dpi);
    checkTextColors = MakeControl<QCheckBox>(readerFrame, "checkTextColors",
        translate("Options", "Use the reader's o&wn colours"), {240, 1440, 3495, 255}, dpi);
    checkRelativeSizes = MakeControl<QCheckBox>(readerFrame, "checkRelativeSizes",
        translate("Options", "&Keep relative font sizes"), {240, 1800, 3375, 255}, dpi);
    checkSubsetFonts = MakeControl<QCheckBox>(readerFrame, "checkSubsetFonts",
        translate("Options", "&Embed only the characters each book uses"), {240, 2160, 4695, 255}, dpi);
    checkKindleReady = MakeControl<QCheckBox>(readerFrame, "checkKindleReady",
        translate("Options", "Make the books ready for &Send to Kindle"), {240, 2520, 4695, 255}, dpi);
    checkKoboBooks = MakeControl<QCheckBox>(readerFrame, "checkKoboBooks",
        translate("Options", "Make Kobo &books (KEPUB)"), {240, 2880, 3375, 255}, dpi);
    checkFitPictures = MakeControl<QCheckBox>(readerFrame, "checkFitPictures",
        translate("Options", "&Fit pictures to the e-reader's screen"), {240, 3240, 4695, 255}, dpi);
    labelScreenSize = MakeControl<QLabel>(readerFrame, "labelScreenSize", translate("Options", "Screen si&ze:"),
                                          {480, 3645, 1335, 255}, dpi);
    comboScreenSize = new QComboBox(readerFrame);
    comboScreenSize->setObjectName(QStringLiteral("comboScreenSize"));
    for (const FixOptions::Screen& screen : CommonScreens)
        comboScreenSize->addItem(ScreenCaption(screen), QString::fromStdString(ScreenSizeText(screen)));
    PlaceInTwips(*comboScreenSize, {1890, 3600, 1935, 345}, dpi);
    labelScreenSize->setBuddy(comboScreenSize);
    // The list it drops down is a control of its own to a screen reader.
    comboScreenSize->view()->setAccessibleName(labelScreenSize->text().remove(QLatin1Char('&')));
    FitRow({labelScreenSize, comboScreenSize}, false);  // a longer label moves the choice along
    checkGreyPictures = MakeControl<QCheckBox>(readerFrame, "checkGreyPictures",
        translate("Options", "Make pictures &grey"), {240, 4050, 2655, 255}, dpi);
    checkKeepOriginals = MakeControl<QCheckBox>(this, "checkKeepOriginals",
        translate("Options", "&Move the original books to the Trash"), {240, 3150, 5055, 255}, dpi);
    cmdOk = MakeControl<QPushButton>(this, "cmdOk", translate("Options", "&OK"), {8430, 4890, 870, 360}, dpi);
    cmdCancel =
        MakeControl<QPushButton>(this, "cmdCancel", translate("Options", "&Cancel"), {9390, 4890, 1110, 360}, dpi);

    for (QPushButton* button : {cmdOk, cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(radioAlterCss, radioDeleteCss);
    setTabOrder(radioDeleteCss, checkJustify);
    setTabOrder(checkJustify, checkText);
    setTabOrder(checkText, checkIntlFonts);
    setTabOrder(checkIntlFonts, checkLineHeights);
    setTabOrder(checkLineHeights, checkPageMargins);
    setTabOrder(checkPageMargins, checkFontFamilies);
    setTabOrder(checkFontFamilies, checkTextColors);
    setTabOrder(checkTextColors, checkRelativeSizes);
    setTabOrder(checkRelativeSizes, checkSubsetFonts);
    setTabOrder(checkSubsetFonts, checkKindleReady);
    setTabOrder(checkKindleReady, checkKoboBooks);
    setTabOrder(checkKoboBooks, checkFitPictures);
    setTabOrder(checkFitPictures, comboScreenSize);
    setTabOrder(comboScreenSize, checkGreyPictures);
    setTabOrder(checkGreyPictures, checkKeepOriginals);
    setTabOrder(checkKeepOriginals, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    // The option buttons share the frame, so selecting one deselects the
    // other; a selection made by the program reacts as a click does.
    connect(radioAlterCss, &QRadioButton::toggled, this, [this] { EnableAlterOptions(); });
    connect(radioDeleteCss, &QRadioButton::toggled, this, [this] { EnableAlterOptions(); });
    connect(checkText, &QCheckBox::toggled, this, [this] { EnableAlterOptions(); });
    connect(checkIntlFonts, &QCheckBox::toggled, this, [this] { EnableAlterOptions(); });
    connect(checkFitPictures, &QCheckBox::toggled, this, [this] { EnableAlterOptions(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { SaveAndHide(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });

    Load();
}

void Options::Load()
{
    radioAlterCss->setChecked(true);
    if (SettingsStore::IsOptionOn(OptionKey::DeleteCSS))
        radioDeleteCss->setChecked(true);
    Tick(checkJustify, OptionKey::JustifyText);
    Tick(checkIntlFonts, OptionKey::IntlFonts);
    Tick(checkText, OptionKey::FontSizes);
    Tick(checkLineHeights, OptionKey::LineHeights);
    Tick(checkPageMargins, OptionKey::PageMargins);
    Tick(checkFontFamilies, OptionKey::FontFamilies);
    Tick(checkRelativeSizes, OptionKey::RelativeSizes);
    Tick(checkSubsetFonts, OptionKey::SubsetFonts);
    Tick(checkTextColors, OptionKey::TextColors);
    Tick(checkKindleReady, OptionKey::KindleReady);
    Tick(checkKoboBooks, OptionKey::KoboBooks);
    Tick(checkFitPictures, OptionKey::FitPictures);
    ChooseScreen(*comboScreenSize, FixOptions::Current().screen);
    Tick(checkGreyPictures, OptionKey::GreyPictures);
    Tick(checkKeepOriginals, OptionKey::KeepOriginals);
    EnableAlterOptions();
}

void Options::EnableAlterOptions()
{
    const bool alter = radioAlterCss->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(checkJustify), static_cast<QWidget*>(checkText),
                             static_cast<QWidget*>(checkIntlFonts), static_cast<QWidget*>(Label1),
                             static_cast<QWidget*>(checkLineHeights), static_cast<QWidget*>(checkPageMargins),
                             static_cast<QWidget*>(checkFontFamilies), static_cast<QWidget*>(checkTextColors)})
        control->setEnabled(alter);
    checkRelativeSizes->setEnabled(alter && checkText->isChecked());
    checkSubsetFonts->setEnabled(alter && checkIntlFonts->isChecked());
    labelScreenSize->setEnabled(checkFitPictures->isChecked());
    comboScreenSize->setEnabled(checkFitPictures->isChecked());
}

void Options::SaveAndHide()
{
    const bool deleteCss = radioDeleteCss->isChecked();
    SettingsStore::PutOption(OptionKey::DeleteCSS, deleteCss);
    SettingsStore::PutOption(OptionKey::JustifyText, checkJustify->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::IntlFonts, checkIntlFonts->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::FontSizes, checkText->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::LineHeights, checkLineHeights->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::PageMargins, checkPageMargins->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::FontFamilies, checkFontFamilies->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::RelativeSizes,
                             checkRelativeSizes->isChecked() && checkText->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::SubsetFonts,
                             checkSubsetFonts->isChecked() && checkIntlFonts->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::TextColors, checkTextColors->isChecked() && !deleteCss);
    SettingsStore::PutOption(OptionKey::KindleReady, checkKindleReady->isChecked());
    SettingsStore::PutOption(OptionKey::KoboBooks, checkKoboBooks->isChecked());
    SettingsStore::PutOption(OptionKey::FitPictures, checkFitPictures->isChecked());
    SettingsStore::PutOptionText(OptionKey::ScreenSize, comboScreenSize->currentData().toString().toStdString());
    SettingsStore::PutOption(OptionKey::GreyPictures, checkGreyPictures->isChecked());
    SettingsStore::PutOption(OptionKey::KeepOriginals, checkKeepOriginals->isChecked());
    SettingsStore::SaveOptions();
    accept();
}

void Options::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
