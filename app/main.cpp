// Bindwell: the main window, and the program that ends when it closes.
// Folders and books named on the command line (bindwell [PATH...]) are
// listed as the window opens; nothing starts before the user presses Start.
#include "Form1.h"
#include "LocalTimeZone.h"
#include "QtPrompter.h"
#include "Translations.h"
#include "UserPrompter.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallTranslations();
    NameLocalTimeZone();
    Form1 window;
    QtPrompter prompter([&window](const std::string& text) { window.Print(text); });
    SetPrompter(&prompter);
    window.show();
    if (const QStringList paths = QApplication::arguments().mid(1); !paths.isEmpty())
        window.OpenPaths(paths);
    const int status = QApplication::exec();
    SetPrompter(nullptr);
    return status;
}
