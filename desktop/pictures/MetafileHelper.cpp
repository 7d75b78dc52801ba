#include "desktop/pictures/MetafileHelper.h"

#include "desktop/pictures/HelperRaster.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>

#include "metafile/SanitizerBuild.h"

namespace Pictures {

namespace {

constexpr rlim_t HelperCpuSeconds = 4;

void limit(int resource, rlim_t value)
{
    const rlimit bound{value, value};
    setrlimit(resource, &bound);
}

// Runs in the child between fork and exec, so it may only make async-signal-safe calls.
void limitHelper()
{
#ifndef MORVANE_ADDRESS_SANITIZER
    // AddressSanitizer reserves terabytes of address space for its shadow memory; a helper built
    // with it cannot start under an address-space limit. The CPU limit and timeout still apply.
    constexpr rlim_t HelperMemoryBytes = rlim_t{512} * 1024 * 1024;
    limit(RLIMIT_AS, HelperMemoryBytes);
#endif
    limit(RLIMIT_CPU, HelperCpuSeconds);
    limit(RLIMIT_CORE, 0);
    limit(RLIMIT_FSIZE, 0);
}

bool isProgram(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString metafileHelperPath()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(MetafileHelperName);
    for (const QString &candidate :
         {programDir.filePath(name), programDir.filePath("../libexec/morvane/" + name)}) {
        if (isProgram(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}

std::optional<QImage> renderMetafile(const QString &metafilePath, const QString &helper)
{
    if (helper.isEmpty())
        return std::nullopt;

    QProcess process;
    process.setProgram(helper);
    process.setArguments({metafilePath});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier(limitHelper);

    const QDeadlineTimer deadline(MetafileHelperTimeout);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(int(deadline.remainingTime())))
        return std::nullopt;

    QByteArray output;
    const qsizetype maxBytes = maxHelperRasterBytes();
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired() || output.size() > maxBytes) {
            process.kill();
            process.waitForFinished();
            return std::nullopt;
        }
        process.waitForReadyRead(int(deadline.remainingTime()));
        output += process.readAllStandardOutput();
    }
    output += process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return decodeHelperRaster(output);
}

} // namespace Pictures
