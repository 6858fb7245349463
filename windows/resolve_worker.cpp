#include "windows/resolve_worker.h"

#include "windows/qinglan_library.h"

#include <QCoreApplication>
#include <QPointer>

ResolveWorker &ResolveWorker::Program()
{
    static ResolveWorker worker;
    return worker;
}

ResolveWorker::ResolveWorker()
{
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
    // Nothing queued is worth waiting for once the program is leaving.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ResolveWorker::DropQueued);
}

ResolveWorker::~ResolveWorker()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void ResolveWorker::Resolve(const QinglanLibrary &library, const QString &pageAddress, QObject *context, Done done)
{
    // The context is checked on this object's thread, where it lives and dies.
    QPointer<QObject> guard(context);
    m_pool.start([this, &library, pageAddress, guard, done = std::move(done)] {
        const QString mediaAddress = library.ResolveMediaAddress(pageAddress);
        QMetaObject::invokeMethod(
            this,
            [guard, done, mediaAddress] {
                if (guard && done)
                    done(mediaAddress);
            },
            Qt::QueuedConnection);
    });
}

void ResolveWorker::DropQueued()
{
    m_pool.clear();
}
