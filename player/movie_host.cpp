#include "player/movie_host.h"

#include <QMetaProperty>

namespace {

int RootPropertyIndex(const QObject *root, const QString &name)
{
    if (!root || name.isEmpty())
        return -1;
    return root->metaObject()->indexOfProperty(name.toUtf8().constData());
}

}  // namespace

MovieHost::MovieHost(QObject *parent) : QObject(parent) {}

void MovieHost::addCallback(const QString &name, const QJSValue &fn)
{
    if (!name.isEmpty() && fn.isCallable())
        m_callbacks.insert(name, fn);
}

void MovieHost::addProperty(const QString &name, const QJSValue &setterFn)
{
    if (!name.isEmpty() && setterFn.isCallable())
        m_commandSetters.insert(name, setterFn);
}

QVariant MovieHost::variable(const QString &name) const
{
    return m_variables.value(name);
}

void MovieHost::setStageSize(int width, int height)
{
    if (width != m_stageWidth) {
        m_stageWidth = width;
        emit stageWidthChanged();
    }
    if (height != m_stageHeight) {
        m_stageHeight = height;
        emit stageHeightChanged();
    }
}

bool MovieHost::assignVariable(const QString &name, const QString &value)
{
    if (name.isEmpty())
        return false;
    const auto setter = m_commandSetters.constFind(name);
    if (setter != m_commandSetters.constEnd()) {
        // Copy: the setter may register properties and so change the table it lives in.
        QJSValue fn = *setter;
        const QJSValue result = fn.call({QJSValue(value)});
        return !result.isError();
    }
    const int index = RootPropertyIndex(m_root, name);
    if (index >= 0) {
        const QMetaProperty property = m_root->metaObject()->property(index);
        QVariant converted(value);
        if (property.metaType().id() != QMetaType::QVariant && !converted.convert(property.metaType()))
            return false;
        return property.write(m_root, converted);
    }
    m_variables.insert(name, value);
    emit variableChanged(name, value);
    return true;
}

QString MovieHost::readVariable(const QString &name) const
{
    if (m_commandSetters.contains(name))
        return {};
    const int index = RootPropertyIndex(m_root, name);
    if (index >= 0) {
        const QVariant value = m_root->metaObject()->property(index).read(m_root);
        if (value.metaType().id() == QMetaType::QVariant || !value.canConvert<QString>())
            return {};
        return value.toString();
    }
    return m_variables.value(name).toString();
}

void MovieHost::reset()
{
    m_callbacks.clear();
    m_commandSetters.clear();
    m_variables.clear();
    m_root = nullptr;
}
