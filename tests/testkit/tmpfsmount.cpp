#include "tmpfsmount.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <utility>

namespace {
// mount(8) rather than mount(2): the same call on every system, and its words when it fails.
bool run(const QString& program, const QStringList& arguments, QString& output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(30000);
    output = QString::fromLocal8Bit(process.readAll()).trimmed();
    if (output.isEmpty())
        output = process.errorString();
    return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
} // namespace

TmpfsMount::TmpfsMount(QString folder, int kilobytes) : folder_(std::move(folder))
{
    const QString options = QStringLiteral("size=%1k,mode=0777").arg(kilobytes);
    mounted_ = QDir().mkpath(folder_) &&
               run(QStringLiteral("mount"),
                   {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                    QStringLiteral("orvisnap-test"), folder_},
                   why_);
}

TmpfsMount::~TmpfsMount()
{
    QString output;
    if (mounted_)
        (void)run(QStringLiteral("umount"), {folder_}, output);
}

void TmpfsMount::fill(const QString& name) const
{
    QFile filler(QDir(folder_).filePath(name));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
}
