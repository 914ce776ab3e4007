#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

// The options dialog: alter the stylesheets (three independent choices) or
// delete them, what to change for e-readers (the screen's size among them),
// and whether the originals go to the Trash. A new dialog shows the option
// map's current values; OK writes every option to the map and the store
// and hides the dialog,
// which keeps every control as the user left it for its next showing.
// Cancel and the close box end the showing without writing anything; the
// owner then discards the dialog.
class Options : public QDialog {
public:
    Options();

    // Enables the style choices and their note exactly when the
    // stylesheets are to be altered, keeping relative font sizes only while
    // fixed ones are removed, and cutting the fonts down only while they are
    // installed; their ticks stay as they are. Readying the books for Send
    // to Kindle, Kobo books and the pictures edit no stylesheet, so they are
    // always enabled; the screen's size is chosen while pictures are fitted.
    void EnableAlterOptions();

protected:
    // No button reacts to Enter or Esc.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Load();
    void SaveAndHide();

    QGroupBox* cssFrame;
    QLabel* Label3;
    QRadioButton* radioAlterCss;
    QRadioButton* radioDeleteCss;
    QCheckBox* checkJustify;
    QCheckBox* checkText;
    QCheckBox* checkIntlFonts;
    QLabel* Label1;
    QGroupBox* readerFrame;
    QCheckBox* checkLineHeights;
    QCheckBox* checkPageMargins;
    QCheckBox* checkFontFamilies;
    QCheckBox* checkRelativeSizes;
    QCheckBox* checkSubsetFonts;
    QCheckBox* checkTextColors;
    QCheckBox* checkKindleReady;
    QCheckBox* checkKoboBooks;
    QCheckBox* checkFitPictures;
    QLabel* labelScreenSize;
    QComboBox* comboScreenSize;
    QCheckBox* checkGreyPictures;
    QCheckBox* checkKeepOriginals;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};
