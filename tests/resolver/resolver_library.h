#pragma once
// The resolver library as a program binds it: dlopen, dlsym("qinglan"), copy each result.

#include <QByteArray>
#include <QString>

// The port the test build of the library asks (127.0.0.1:TestServicePort); the tests run
// their stand-in parse service there.
inline constexpr quint16 TestServicePort = QINGLAN_TEST_SERVICE_PORT;

class ResolverLibrary {
public:
    using Export = const char *(*)(const char *);

    explicit ResolverLibrary(const QString &path = QStringLiteral(QINGLAN_TEST_LIBRARY));
    ~ResolverLibrary();
    ResolverLibrary(const ResolverLibrary &) = delete;
    ResolverLibrary &operator=(const ResolverLibrary &) = delete;

    bool isLoaded() const { return m_export != nullptr; }
    QString error() const { return m_error; }
    // The raw result pointer, exactly as the library returns it.
    const char *call(const char *pageAddress) const { return m_export(pageAddress); }
    // The result, copied at once.
    QByteArray resolve(const char *pageAddress) const { return QByteArray(call(pageAddress)); }
    QByteArray resolve(const QByteArray &pageAddress) const { return resolve(pageAddress.constData()); }
    // Unloads the library; false when it could not be.
    bool unload();

private:
    void *m_handle = nullptr;
    Export m_export = nullptr;
    QString m_error;
};
