#include "inifile.h"

#include "filehelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const
{
    const QFileInfo info(path_);
    return info.exists() && !info.isDir();
}

QString IniFile::path() const
{
    return path_;
}

std::optional<IniDocument> IniFile::load(QString* why) const
{
    QFile file(path_);
    if (!file.exists())
        return IniDocument();
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray text = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return IniDocument(std::move(text));
    }
    if (why)
        *why = file.errorString();
    return std::nullopt;
}

Outcome IniFile::save(const IniDocument& document)
{
    if (!QFileInfo::exists(path_))
        if (const QString folder = QFileInfo(path_).absolutePath(); !QDir().mkpath(folder))
            return refused(
                QCoreApplication::translate("IniFile", "cannot create the folder %1").arg(folder));
    return StringToFile(document.text(), path_);
}

QList<QByteArray> IniFile::sectionNames() const
{
    return load().value_or(IniDocument()).sectionNames();
}

QByteArray IniFile::readString(QByteArrayView section, QByteArrayView key,
                               const QByteArray& def) const
{
    const std::optional<IniDocument> document = load();
    return document ? document->readString(section, key, def) : def;
}

std::int32_t IniFile::readInteger(QByteArrayView section, QByteArrayView key,
                                  std::int32_t def) const
{
    const std::optional<IniDocument> document = load();
    return document ? document->readInteger(section, key, def) : def;
}

Outcome IniFile::writeString(QByteArrayView section, QByteArrayView key, const QByteArray& value)
{
    if (const QString why = IniDocument::refusal(section, key, value); !why.isEmpty())
        return refused(why);
    QString why;
    std::optional<IniDocument> document = load(&why);
    if (!document)
        return refused(why); // never replace a file we could not read in full
    (void)document->writeString(section, key, value);
    return save(*document);
}

Outcome IniFile::writeInteger(QByteArrayView section, QByteArrayView key, std::int32_t value)
{
    return writeString(section, key, QByteArray::number(value));
}

Outcome IniFile::refused(const QString& reason) const
{
    return Outcome::failure(
        QCoreApplication::translate("IniFile", "Cannot write %1: %2").arg(path_, reason));
}
