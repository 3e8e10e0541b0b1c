#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The user's language, put in place before any window is made: the program's own translation
// and Qt's for its standard dialogs and buttons. English is the source and needs neither.
class Translations {
public:
    // `language` is the settings file's choice, e.g. "de" or "pt_BR"; empty: the system's user
    // interface languages, in their order. Nothing found: English.
    static void install(QCoreApplication& app, const QString& language);

    // The language of `available` to use, or empty for English: the choice when given, else the
    // first of `uiLanguages` ("de-AT", "zh-Hans-CN", "en-US") that is available or English.
    [[nodiscard]] static QString choose(const QString& language, const QStringList& uiLanguages,
                                        const QStringList& available);
    // The languages with a translation next to the program.
    [[nodiscard]] static QStringList available();
};
