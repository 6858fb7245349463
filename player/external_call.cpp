#include "player/external_call.h"

#include <QJSEngine>
#include <QJSValueIterator>
#include <QXmlStreamReader>

namespace {

std::optional<QJSValue> ReadValue(QXmlStreamReader &xml, QJSEngine *engine);

// Reads the <property id="…"> children of the current <array>/<object> element into target.
bool ReadProperties(QXmlStreamReader &xml, QJSEngine *engine, QJSValue &target)
{
    while (xml.readNextStartElement()) {
        if (xml.name() != u"property")
            return false;
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        if (!xml.readNextStartElement())
            return false;
        const std::optional<QJSValue> value = ReadValue(xml, engine);
        if (!value)
            return false;
        target.setProperty(id, *value);
        xml.skipCurrentElement();  // end of <property>
    }
    return !xml.hasError();
}

// Reads the value element the reader stands on, leaving it at that element's end.
std::optional<QJSValue> ReadValue(QXmlStreamReader &xml, QJSEngine *engine)
{
    const QStringView tag = xml.name();
    if (tag == u"string") {
        const QString text = xml.readElementText();
        return xml.hasError() ? std::nullopt : std::optional<QJSValue>(QJSValue(text));
    }
    if (tag == u"number") {
        bool ok = false;
        const double number = xml.readElementText().trimmed().toDouble(&ok);
        return ok && !xml.hasError() ? std::optional<QJSValue>(QJSValue(number)) : std::nullopt;
    }
    if (tag == u"true" || tag == u"false" || tag == u"null" || tag == u"undefined") {
        const QString name = tag.toString();
        xml.skipCurrentElement();
        if (xml.hasError())
            return std::nullopt;
        if (name == u"true")
            return QJSValue(true);
        if (name == u"false")
            return QJSValue(false);
        return name == u"null" ? QJSValue(QJSValue::NullValue) : QJSValue(QJSValue::UndefinedValue);
    }
    if ((tag == u"array" || tag == u"object") && engine) {
        QJSValue target = tag == u"array" ? engine->newArray() : engine->newObject();
        if (!ReadProperties(xml, engine, target))
            return std::nullopt;
        return target;
    }
    return std::nullopt;
}

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&apos;"));
}

}  // namespace

std::optional<InvokeRequest> ParseInvokeRequest(const QString &text, QJSEngine *engine)
{
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != u"invoke")
        return std::nullopt;
    InvokeRequest request;
    request.name = xml.attributes().value(QLatin1String("name")).toString();
    if (request.name.isEmpty())
        return std::nullopt;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"arguments")
            return std::nullopt;
        while (xml.readNextStartElement()) {
            const std::optional<QJSValue> value = ReadValue(xml, engine);
            if (!value)
                return std::nullopt;
            request.arguments.append(*value);
        }
        if (xml.hasError())
            return std::nullopt;
    }
    // Nothing but whitespace may follow the invoke element.
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() || (xml.isCharacters() && !xml.isWhitespace()))
            return std::nullopt;
    }
    if (xml.hasError())
        return std::nullopt;
    return request;
}

QString ExternalReplyXml(const QJSValue &result)
{
    if (result.isUndefined())
        return QStringLiteral("<undefined/>");
    if (result.isNull())
        return QStringLiteral("<null/>");
    if (result.isBool())
        return result.toBool() ? QStringLiteral("<true/>") : QStringLiteral("<false/>");
    if (result.isNumber())
        return QStringLiteral("<number>") + result.toString() + QStringLiteral("</number>");
    if (result.isString())
        return QStringLiteral("<string>") + Escaped(result.toString()) + QStringLiteral("</string>");
    if (result.isArray() || (result.isObject() && !result.isCallable())) {
        const bool isArray = result.isArray();
        QString reply = isArray ? QStringLiteral("<array>") : QStringLiteral("<object>");
        if (isArray) {
            const int length = result.property(QStringLiteral("length")).toInt();
            for (int i = 0; i < length; ++i)
                reply += QStringLiteral("<property id='%1'>").arg(i)
                    + ExternalReplyXml(result.property(quint32(i))) + QStringLiteral("</property>");
        } else {
            QJSValueIterator it(result);
            while (it.hasNext()) {
                it.next();
                reply += QStringLiteral("<property id='") + Escaped(it.name()) + QStringLiteral("'>")
                    + ExternalReplyXml(it.value()) + QStringLiteral("</property>");
            }
        }
        return reply + (isArray ? QStringLiteral("</array>") : QStringLiteral("</object>"));
    }
    return QStringLiteral("<undefined/>");
}
