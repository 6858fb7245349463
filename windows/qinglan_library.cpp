#include "windows/qinglan_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <dlfcn.h>

namespace {

QString LastLoaderError()
{
    const char *error = dlerror();
    return error ? QString::fromLocal8Bit(error) : QString();
}

}  // namespace

QinglanLibrary &QinglanLibrary::Program()
{
    static QinglanLibrary library;
    return library;
}

bool QinglanLibrary::Bind(QString *failure)
{
    if (IsBound())
        return true;

    const QString directory = m_searchDirectory.isNull() ? QCoreApplication::applicationDirPath()
                                                         : m_searchDirectory;
    // A name with a slash is opened as it stands; the bare name goes along the search path.
    const QByteArray candidates[] = {QFile::encodeName(QDir(directory).absoluteFilePath(QLatin1String(FileName))),
                                     QByteArray(FileName)};
    QStringList reasons;
    for (const QByteArray &candidate : candidates) {
        void *handle = dlopen(candidate.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            reasons << LastLoaderError();
            continue;
        }
        dlerror();
        if (auto routine = reinterpret_cast<Routine>(dlsym(handle, RoutineName))) {
            // Never closed: the routine stays bound until the program ends.
            m_routine.store(routine);
            return true;
        }
        const QString error = LastLoaderError();
        reasons << (error.isEmpty() ? QStringLiteral("%1: no routine %2").arg(QString::fromLocal8Bit(candidate),
                                                                              QLatin1String(RoutineName))
                                    : error);
        dlclose(handle);
    }
    if (failure)
        *failure = reasons.join(QLatin1Char('\n'));
    return false;
}

QString QinglanLibrary::ResolveMediaAddress(const QString &pageAddress) const
{
    const Routine routine = m_routine.load();
    if (!routine)
        return {};
    const QByteArray argument = pageAddress.toUtf8();
    const char *result = routine(argument.constData());
    return result ? QString::fromUtf8(result) : QString();
}
