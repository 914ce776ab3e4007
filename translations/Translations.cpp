#include "Translations.h"

#include "ProgramFolder.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

std::string QtTranslate(const char* context, const char* sourceText, const char* disambiguation, int n)
{
    return QCoreApplication::translate(context, sourceText, disambiguation, n).toStdString();
}

// Beside the program in a build tree; in share/bindwell/translations
// beside the programs' folder when installed under any prefix.
QStringList Folders()
{
    const QString program = QString::fromStdString(ProgramFolder());
    return {program + QStringLiteral("translations"), program + QStringLiteral("../share/bindwell/translations"),
            QStringLiteral("/usr/share/bindwell/translations")};
}

// The translators live as long as the program; a new installation
// replaces the old one.
std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
}

}  // namespace

void InstallTranslations(const QLocale& locale)
{
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();

    // Installed last is asked first: the English plural forms beneath the
    // user's language.
    for (const QString& folder : Folders()) {
        auto english = std::make_unique<QTranslator>();
        if (english->load(QStringLiteral("bindwell_en"), folder)) {
            Install(std::move(english));
            break;
        }
    }
    if (locale.language() != QLocale::C && locale.language() != QLocale::English) {
        for (const QString& folder : Folders()) {
            auto ours = std::make_unique<QTranslator>();
            if (ours->load(locale, QStringLiteral("bindwell"), QStringLiteral("_"), folder)) {
                Install(std::move(ours));
                break;
            }
        }
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            Install(std::move(qt));
    }
    Words::SetTranslator(QtTranslate);
}
