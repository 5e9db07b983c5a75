#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace
{

QString installedLanguage = QString::fromLatin1(OwnLanguage);

// The two-letter code of an entry of the list; OwnLanguage for the C and
// POSIX locales, empty for an entry Qt does not know (which QLocale would
// take for C).
QString LanguageOf(const QString &uiLanguage)
{
    const QString name = uiLanguage.section(QLatin1Char('.'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QString::fromLatin1(OwnLanguage);
    const QLocale locale(uiLanguage);
    if (locale.language() == QLocale::C)
        return {};
    return QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
}

// Replaces the translator of one kind (the program's, Qt's) by the file
// given; an empty file only removes the old one.
void Replace(const QString &kind, const QString &file, const QString &folder)
{
    delete qApp->findChild<QTranslator *>(kind, Qt::FindDirectChildrenOnly);
    if (file.isEmpty())
        return;
    auto *translator = new QTranslator(qApp);
    translator->setObjectName(kind);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &entry : uiLanguages) {
        const QString language = LanguageOf(entry);
        if (language == QLatin1String(OwnLanguage))
            return language;
        for (const char *translated : TranslatedLanguages)
            if (language == QLatin1String(translated))
                return language;
    }
    return QString::fromLatin1(OwnLanguage);
}

QString InstallTranslations(const QStringList &uiLanguages)
{
    const QString language = ChooseLanguage(uiLanguages);
    const bool own = language == QLatin1String(OwnLanguage);
    Replace(QStringLiteral("ProgramTranslation"),
            own ? QString() : QStringLiteral("divuz_") + language, QStringLiteral(":/i18n"));
    // Qt speaks English without a translation of its own.
    Replace(QStringLiteral("QtTranslation"),
            language == QLatin1String("en") ? QString() : QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installedLanguage = language;
    return language;
}

QString ProgramLanguage()
{
    return installedLanguage;
}
