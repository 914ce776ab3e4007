#pragma once

class QWidget;

// Checks of a window's design that hold in every language: the fixed size
// and places, every caption readable in full, no control over another.
void ExpectReadableAndApart(QWidget& window, int widthTwips, int heightTwips);

// Every button and labelled control of the window has its own key (Alt and
// a letter), the Stop caption that Cancel takes during a run included.
void ExpectDistinctMnemonics(QWidget& window);
