#pragma once
// The binding of the resolver library libqinglan.so and its one routine, qinglan.

#include <QString>
#include <atomic>

class QinglanLibrary {
public:
    static constexpr const char FileName[] = "libqinglan.so";
    static constexpr const char RoutineName[] = "qinglan";

    // The program's binding, kept for the life of the program once made.
    static QinglanLibrary &Program();

    QinglanLibrary() = default;
    QinglanLibrary(const QinglanLibrary &) = delete;
    QinglanLibrary &operator=(const QinglanLibrary &) = delete;

    // Where the library is looked for before the system's search path; a null text (the
    // default) means the program's directory. For tests.
    void SetSearchDirectory(const QString &directory) { m_searchDirectory = directory; }

    // Binds the routine unless it is bound: the library file from the search directory,
    // else from the system's search path. True when bound; otherwise failure (when given)
    // tells why, and a later call tries again. Call on one thread only.
    bool Bind(QString *failure = nullptr);
    bool IsBound() const { return m_routine.load() != nullptr; }

    // One blocking call of the routine (an HTTP exchange): call it off the UI thread, and
    // never two at once. The library's text is copied at once. Empty when not bound.
    QString ResolveMediaAddress(const QString &pageAddress) const;

private:
    using Routine = const char *(*)(const char *);

    QString m_searchDirectory;
    std::atomic<Routine> m_routine{nullptr};
};
