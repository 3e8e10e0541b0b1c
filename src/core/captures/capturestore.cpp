#include "capturestore.h"

#include "capturename.h"
#include "filehelpers.h"
#include "filenames.h"
#include "pictureio.h"
#include "pnghead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const char* const Context = "CaptureStore";
constexpr QLatin1StringView SoftwareKey{"Software"};
// Names another program took between our look and our claim are passed over, up to this many.
constexpr int MostClaims = 100;

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\v') ||
           c == QLatin1Char('\f') || c == QChar(0x85) || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// A CR LF pair is one break, so one space.
QString oneLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            continue;
        line += isLineBreak(text[i]) ? QLatin1Char(' ') : text[i];
    }
    return line;
}

// With its offset, so that the file tells the time it was taken wherever it is read.
QString isoTime(const QDateTime& time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

// An empty value goes in only over one the picture had, so as not to leave the old one.
void setText(QImage& image, QLatin1StringView key, const QString& value)
{
    if (!value.isEmpty() || !image.text(key).isEmpty())
        image.setText(key, value);
}

CaptureInfo infoFrom(const PngHead& head, const QString& path)
{
    CaptureInfo info;
    info.time = QDateTime::fromString(head.text(CaptureInfo::TimeKey), Qt::ISODate);
    if (!info.time.isValid())
        info.time = CaptureName::timeOf(QFileInfo(path).fileName());
    info.port = head.text(CaptureInfo::PortKey);
    info.pictureSize = head.text(CaptureInfo::SizeKey);
    if (info.pictureSize.isEmpty())
        info.pictureSize = sizeText(head.size());
    info.note = oneLine(head.text(CaptureInfo::NoteKey));
    return info;
}

Outcome failure(const char* sentence, const QString& path, const QString& reason = {})
{
    const QString text = QCoreApplication::translate(Context, sentence);
    return Outcome::failure(reason.isEmpty() ? text.arg(path) : text.arg(path, reason));
}

// Claimed by creating it empty, which fails when it exists, then written whole over that: two
// windows capturing in the same second each keep their own file.
Outcome writeNew(const QByteArray& bytes, const QString& folder, const QString& name, QString& path)
{
    for (int claim = 0; claim < MostClaims; ++claim) {
        path = FileNames::freeIn(folder, name);
        QFile claimed(path);
        if (!claimed.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const QFileInfo taken(path);
            if (taken.exists() || taken.isSymLink())
                continue;
            return failure(QT_TRANSLATE_NOOP("CaptureStore", "Cannot write %1: %2"), path,
                           claimed.errorString());
        }
        claimed.close();
        Outcome written = StringToFile(bytes, path);
        if (!written)
            QFile::remove(path);
        return written;
    }
    return failure(QT_TRANSLATE_NOOP("CaptureStore", "Cannot write %1: %2"), path,
                   QCoreApplication::translate("CaptureStore", "Every free name was taken."));
}
} // namespace

CaptureStore::CaptureStore(QString folder, int keep) : folder_(std::move(folder)), keep_(keep) {}

QString CaptureStore::folderFor(const QString& settingsPath, const QString& exeDir,
                                const QString& appDataDir)
{
    const auto clean = [](const QString& folder) {
        return QDir::cleanPath(QDir(folder).absolutePath());
    };
    const bool portable = !settingsPath.isEmpty() && !exeDir.isEmpty() &&
                          clean(QFileInfo(settingsPath).absolutePath()) == clean(exeDir);
    return QDir(clean(portable ? exeDir : appDataDir)).filePath(QStringLiteral("captures"));
}

CaptureStore::Added CaptureStore::add(const QImage& picture, const CaptureInfo& info) const
{
    if (!isOn())
        return {};
    CaptureInfo stamped = info;
    if (!stamped.time.isValid())
        stamped.time = QDateTime::currentDateTime();
    const QString name = FileNames::stamped(stamped.time.toLocalTime(), QStringLiteral("png"));
    const QByteArray bytes = PictureIo::encode(withInfo(picture, stamped), "PNG");
    if (bytes.isEmpty())
        return {failure(QT_TRANSLATE_NOOP("CaptureStore", "There is no picture to write to %1."),
                        QDir(folder_).filePath(name)),
                {}};
    if (!QDir().mkpath(folder_))
        return {failure(QT_TRANSLATE_NOOP("CaptureStore", "Cannot make the folder %1."), folder_),
                {}};
    Added added;
    added.outcome = writeNew(bytes, folder_, name, added.path);
    if (!added.outcome) {
        added.path.clear();
        return added;
    }
    removeOldest(added.path);
    return added;
}

CaptureStore::Listing CaptureStore::list() const
{
    Listing listing;
    for (const QString& path : paths()) {
        if (auto info = readInfo(path))
            listing.captures.append({path, std::move(*info)});
        else
            //: A file in the captures folder named as a kept picture, but cut short or no PNG.
            listing.skipped.append(QCoreApplication::translate(
                                       "CaptureStore", "%1 is no readable picture and was skipped.")
                                       .arg(path));
    }
    return listing;
}

QStringList CaptureStore::paths() const
{
    if (folder_.isEmpty()) // not the current folder
        return {};
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({CaptureName::Filter}, QDir::Files | QDir::CaseSensitive, QDir::NoSort);
    std::vector<std::pair<CaptureName::Age, QString>> aged;
    aged.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        if (auto age = CaptureName::ageOf(name))
            aged.emplace_back(std::move(*age), name);
    std::sort(aged.begin(), aged.end(),
              [](const auto& a, const auto& b) { return b.first < a.first; });
    QStringList newestFirst;
    newestFirst.reserve(static_cast<qsizetype>(aged.size()));
    for (const auto& [age, name] : aged)
        newestFirst.append(dir.filePath(name));
    return newestFirst;
}

std::optional<CaptureInfo> CaptureStore::readInfo(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Qt's writer puts the text chunks before the pixels: the pixels are never read.
    const std::optional<PngHead> head = PngHead::read(file);
    if (!head)
        return std::nullopt;
    return infoFrom(*head, path);
}

Outcome CaptureStore::setNote(const QString& path, const QString& note)
{
    QImage image;
    if (!readInfo(path))
        return failure(QT_TRANSLATE_NOOP("CaptureStore", "%1 is no readable picture."), path);
    if (Outcome loaded = PictureIo::load(path, image); !loaded)
        return loaded;
    image.setText(CaptureInfo::NoteKey, oneLine(note));
    const QByteArray bytes = PictureIo::encode(image, "PNG");
    if (bytes.isEmpty())
        return failure(QT_TRANSLATE_NOOP("CaptureStore", "There is no picture to write to %1."),
                       path);
    return StringToFile(bytes, path);
}

Outcome CaptureStore::remove(const QString& path)
{
    QFile file(path);
    if (file.moveToTrash() || file.remove())
        return {};
    return failure(QT_TRANSLATE_NOOP("CaptureStore", "Cannot remove %1: %2"), path,
                   file.errorString());
}

QImage CaptureStore::withInfo(const QImage& picture, const CaptureInfo& info)
{
    if (picture.isNull())
        return {};
    QImage image = picture;
    setText(image, CaptureInfo::TimeKey, info.time.isValid() ? isoTime(info.time) : QString());
    setText(image, CaptureInfo::PortKey, info.port);
    setText(image, CaptureInfo::SizeKey,
            info.pictureSize.isEmpty() ? sizeText(picture.size()) : info.pictureSize);
    setText(image, CaptureInfo::NoteKey, oneLine(info.note));
    image.setText(SoftwareKey, QStringLiteral("Orvisnap"));
    return image;
}

// Deleted for good, not to the trash: the limit is there to bound the room they take. The new
// file stays even when a clock set back makes it the oldest by name.
void CaptureStore::removeOldest(const QString& added) const
{
    const QStringList newestFirst = paths();
    qsizetype excess = newestFirst.size() - keep_;
    for (auto it = newestFirst.crbegin(); excess > 0 && it != newestFirst.crend(); ++it) {
        if (*it == added)
            continue;
        // One that cannot go counts as gone, or a newer one would go in its place.
        (void)QFile::remove(*it);
        --excess;
    }
}
