#pragma once

#include <QFont>
#include <QString>

#include <vector>

class QWidget;

// Both windows are laid out in twips (1/1440 inch) and turned into pixels
// through the screen's logical resolution, so that they keep their
// proportions at any scaling.
struct TwipsRect {
    int left, top, width, height;
};

int TwipsToPixels(int twips, int dotsPerInch);

// The logical resolution of the screen the windows open on.
int ScreenDotsPerInch();

// Puts a control at its place. A label, check box or option button whose
// text needs more room than its place gives (a fallback font wider than
// Tahoma) grows to the right and downwards, so that no text is cut off.
void PlaceInTwips(QWidget& control, const TwipsRect& place, int dotsPerInch);

// Lets a row of controls take the width their captions need in the
// user's language: each control that needs more room than its place grows,
// and the others move along so that the row keeps its gaps and its anchored
// edge (the right one, fromRight). A push button measures every caption in
// captions it can show (Cancel also reads Stop). Nothing ever shrinks.
void FitRow(const std::vector<QWidget*>& row, bool fromRight, const std::vector<QString>& otherCaptions = {});

// A window of fixed client size with a close box and no minimise or
// maximise box.
void MakeFixedWindow(QWidget& window, int widthTwips, int heightTwips, int dotsPerInch);

// Tahoma 8.25 pt, regular; where Tahoma is missing, the sans-serif face
// that fontconfig gives in its place.
QFont WindowFont();
