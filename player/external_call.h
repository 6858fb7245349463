#pragma once
// The XML of calls from outside into a movie: an invoke request names a function and may
// carry arguments; the reply carries the function's result.
//   <invoke name="f" returntype="xml"><arguments><string>a</string><number>2</number>
//   </arguments></invoke>   ->   <string>…</string>, <number>…</number>, <true/>, …

#include <QJSValue>
#include <QJSValueList>
#include <QString>
#include <optional>

class QJSEngine;

struct InvokeRequest {
    QString name;
    QJSValueList arguments;
};

// The parsed request; nothing for malformed XML, another root element or a missing name.
// Array and object arguments need engine (without one such a request is refused).
std::optional<InvokeRequest> ParseInvokeRequest(const QString &xml, QJSEngine *engine = nullptr);

// The reply form of a function's result; strings and names are XML-escaped.
QString ExternalReplyXml(const QJSValue &result);
