#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

// The options dialog: alter the stylesheets (three independent choices) or
// delete them, and whether the originals go to the Trash. A new dialog shows the option map's current values; OK
// writes all five options to the map and the store and hides the dialog,
// which keeps every control as the user left it for its next showing.
// Cancel and the close box end the showing without writing anything; the
// owner then discards the dialog.
class Options : public QDialog {
public:
    Options();

    // Enables the three style choices and their note exactly when the
    // stylesheets are to be altered; their ticks stay as they are.
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
    QCheckBox* checkKeepOriginals;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};
