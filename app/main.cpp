// Bindwell: the main window, and the program that ends when it closes.
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
    const int status = QApplication::exec();
    SetPrompter(nullptr);
    return status;
}
