#pragma once

#include <QLocale>

// Shows the program in the language of the user's session: Bindwell's own
// translation for that language, Qt's for its standard buttons and
// texts, and, beneath them, the English plural forms. A language without
// a translation shows English. Also routes Words::translate (the texts of
// the fixing core and the bindings) through Qt.
void InstallTranslations(const QLocale& locale = QLocale::system());
