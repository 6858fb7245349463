#pragma once
// The one worker thread that calls the resolver library: calls are queued and run one at
// a time, so they never overlap, and the UI thread never waits for the parse service.

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>

class QinglanLibrary;

class ResolveWorker : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const QString &mediaAddress)>;

    // The program's worker, living on the UI thread (create it there).
    static ResolveWorker &Program();

    ResolveWorker();
    ~ResolveWorker() override;  // drops queued calls, waits for the running one

    // Queues library.ResolveMediaAddress(pageAddress); done then runs on this object's
    // thread with the copied result, unless context has been destroyed by then. The
    // library must stay alive until the call has run.
    void Resolve(const QinglanLibrary &library, const QString &pageAddress, QObject *context, Done done);

    // Drops the calls that have not started; the running one still reports.
    void DropQueued();

private:
    QThreadPool m_pool;
};
