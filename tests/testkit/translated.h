#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <QTranslator>

#include <memory>

// The languages the program is translated into.
[[nodiscard]] inline QStringList TranslatedLanguages()
{
    return {"de", "es", "fr", "it", "ja", "pl", "pt_BR", "ru", "zh_CN"};
}

// The program's translation into `language` and nothing else, for the life of this object;
// none (English) for an empty language. The test defines ORVISNAP_TRANSLATIONS_DIR, where the
// build put the .qm files.
class Translated {
public:
    explicit Translated(const QString& language)
    {
        if (language.isEmpty())
            return;
        translator_ = std::make_unique<QTranslator>();
        QVERIFY(translator_->load("orvisnap_" + language, ORVISNAP_TRANSLATIONS_DIR));
        QCoreApplication::installTranslator(translator_.get());
    }
    ~Translated()
    {
        if (translator_)
            QCoreApplication::removeTranslator(translator_.get());
    }
    Translated(const Translated&) = delete;
    Translated& operator=(const Translated&) = delete;

private:
    std::unique_ptr<QTranslator> translator_;
};
