#include "platform/ax_member_access.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QObject>
#include <array>
#include <climits>
#include <cmath>

namespace {

constexpr int MaxArguments = 10;

bool NameMatches(const QMetaMethod &method, const char *name)
{
    return method.name() == QByteArrayView(name);
}

bool IsCallable(const QMetaMethod &method)
{
    return method.access() == QMetaMethod::Public
        && (method.methodType() == QMetaMethod::Method || method.methodType() == QMetaMethod::Slot);
}

// Converts args to method's parameter types into converted; false when one does not fit.
bool ConvertArguments(const QMetaMethod &method, const QVariantList &args, QVariantList &converted)
{
    converted.clear();
    for (int i = 0; i < args.size(); ++i) {
        const QMetaType type = method.parameterMetaType(i);
        if (!type.isValid())
            return false;
        if (type.id() == QMetaType::QVariant) {
            converted.append(args[i]);
            continue;
        }
        QVariant value = args[i];
        if (value.metaType() != type && !value.convert(type))
            return false;
        converted.append(value);
    }
    return true;
}

bool Invoke(QObject *object, const QMetaMethod &method, QVariantList &args, QVariant &result)
{
    std::array<QGenericArgument, MaxArguments> generic{};
    for (int i = 0; i < args.size(); ++i) {
        const QMetaType type = method.parameterMetaType(i);
        generic[i] = type.id() == QMetaType::QVariant
            ? QGenericArgument("QVariant", &args[i])
            : QGenericArgument(type.name(), args[i].data());
    }
    const QMetaType returnType = method.returnMetaType();
    QVariant plainResult;
    QGenericReturnArgument returnArgument;
    if (returnType.id() == QMetaType::QVariant) {
        returnArgument = QGenericReturnArgument("QVariant", &plainResult);
    } else if (returnType.isValid() && returnType.id() != QMetaType::Void) {
        plainResult = QVariant(returnType);
        returnArgument = QGenericReturnArgument(returnType.name(), plainResult.data());
    }
    const bool called = method.invoke(object, Qt::DirectConnection, returnArgument, generic[0],
                                      generic[1], generic[2], generic[3], generic[4], generic[5],
                                      generic[6], generic[7], generic[8], generic[9]);
    if (called)
        result = plainResult;
    return called;
}

}  // namespace

QVariant AxCallMember(QObject *object, const char *name, const QVariantList &args, bool *ok)
{
    if (ok)
        *ok = false;
    if (!object || !name || args.size() > MaxArguments)
        return {};
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (!IsCallable(method) || !NameMatches(method, name) || method.parameterCount() != args.size())
            continue;
        QVariantList converted;
        if (!ConvertArguments(method, args, converted))
            continue;
        QVariant result;
        if (!Invoke(object, method, converted, result))
            return {};
        if (ok)
            *ok = true;
        return result;
    }
    return {};
}

QVariant AxReadMember(QObject *object, const char *name)
{
    if (!object || !name)
        return {};
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index >= 0 && meta->property(index).isReadable())
        return meta->property(index).read(object);
    return AxCallMember(object, name, {});
}

bool AxWriteMember(QObject *object, const char *name, const QVariant &value)
{
    if (!object || !name || !value.isValid())
        return false;
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        return false;
    const QMetaProperty property = meta->property(index);
    if (!property.isWritable())
        return false;
    QVariant converted = value;
    if (converted.metaType() != property.metaType() && !converted.convert(property.metaType()))
        return false;
    return property.write(object, converted);
}

int AxToInt(const QVariant &value)
{
    if (!value.isValid())
        return 0;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || std::isnan(number))
        return 0;
    if (number >= double(INT_MAX))
        return INT_MAX;
    if (number <= double(INT_MIN))
        return INT_MIN;
    return int(std::trunc(number));
}

bool AxToBool(const QVariant &value)
{
    return value.isValid() && value.toBool();
}

QString AxToText(const QVariant &value)
{
    return value.isValid() ? value.toString() : QString();
}

double AxToDouble(const QVariant &value)
{
    bool ok = false;
    const double number = value.isValid() ? value.toDouble(&ok) : 0.0;
    return ok ? number : 0.0;
}
