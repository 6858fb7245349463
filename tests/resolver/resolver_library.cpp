#include "tests/resolver/resolver_library.h"

#include <dlfcn.h>

ResolverLibrary::ResolverLibrary(const QString &path)
{
    m_handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        m_error = QString::fromLocal8Bit(dlerror());
        return;
    }
    m_export = reinterpret_cast<Export>(dlsym(m_handle, "qinglan"));
    if (!m_export)
        m_error = QString::fromLocal8Bit(dlerror());
}

ResolverLibrary::~ResolverLibrary()
{
    unload();
}

bool ResolverLibrary::unload()
{
    m_export = nullptr;
    if (!m_handle)
        return true;
    const bool closed = dlclose(m_handle) == 0;
    m_handle = nullptr;
    return closed;
}
