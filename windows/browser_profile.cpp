#include "windows/browser_profile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineProfile>

QWebEngineProfile *BrowserProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        // No storage name: off the record.
        profile = new QWebEngineProfile(QCoreApplication::instance());
        profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    }
    return profile;
}
