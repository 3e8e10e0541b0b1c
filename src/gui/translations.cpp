#include "translations.h"

#include "orvisnap_installlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
// Where the program's .qm files are: beside the executable (build tree, Windows), or in the
// install tree's data folder.
QStringList folders()
{
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/translations"),
            QDir::cleanPath(bin + QLatin1Char('/') +
                            QLatin1String(OrvisnapInstall::TranslationsFromBin))};
}

// "pt-BR", "pt_BR" and "zh-Hans-CN" as the names of the .qm files have them.
QString normalized(const QString& name)
{
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return {};
    return locale.name(); // language_TERRITORY, script folded in (zh_CN, zh_TW)
}

QString matching(const QString& name, const QStringList& available)
{
    const QString wanted = normalized(name);
    if (wanted.isEmpty())
        return {};
    if (available.contains(wanted))
        return wanted;
    // A language of another territory, but for Chinese, whose territory tells the script.
    const QString language = wanted.section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("zh"))
        return {};
    for (const QString& candidate : available)
        if (candidate.section(QLatin1Char('_'), 0, 0) == language)
            return candidate;
    return {};
}

bool isEnglish(const QString& name)
{
    return QLocale(name).language() == QLocale::English;
}

void load(QCoreApplication& app, const QString& file, const QStringList& places)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& place : places)
        if (translator->load(file, place)) {
            translator->setParent(&app);
            QCoreApplication::installTranslator(translator.release());
            return;
        }
}
} // namespace

QString Translations::choose(const QString& language, const QStringList& uiLanguages,
                             const QStringList& available)
{
    if (!language.trimmed().isEmpty())
        return matching(language.trimmed(), available);
    for (const QString& name : uiLanguages) {
        if (isEnglish(name))
            return {};
        if (const QString found = matching(name, available); !found.isEmpty())
            return found;
    }
    return {};
}

QStringList Translations::available()
{
    QStringList languages;
    for (const QString& folder : folders())
        for (const QString& file :
             QDir(folder).entryList({QStringLiteral("orvisnap_*.qm")}, QDir::Files))
            languages << file.mid(9, file.size() - 9 - 3);
    languages.removeDuplicates();
    return languages;
}

void Translations::install(QCoreApplication& app, const QString& language)
{
    const QString chosen = choose(language, QLocale::system().uiLanguages(), available());
    if (chosen.isEmpty())
        return;
    load(app, QStringLiteral("orvisnap_") + chosen, folders());
    // Qt's own for its dialogs and buttons: the system's Qt first, else those that came with
    // the program.
    load(app, QStringLiteral("qtbase_") + chosen,
         QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} + folders());
}
