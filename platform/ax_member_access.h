#pragma once
// Reaching an automation object's members by name through the meta-object system. Every
// failure (no object, no such member, wrong arguments, a failed call) gives an invalid
// QVariant or false; nothing throws.

#include <QVariant>
#include <QVariantList>

class QObject;

// Reads the property; without a readable property, calls a method of that name taking no
// arguments and gives its result.
QVariant AxReadMember(QObject *object, const char *name);

// Writes the property (converted to its type); true when the write took.
bool AxWriteMember(QObject *object, const char *name, const QVariant &value);

// Calls the method of that name taking exactly args.size() arguments, each converted to
// its parameter type. ok (when given) tells whether the call was made; a void method
// gives an invalid QVariant with ok true.
QVariant AxCallMember(QObject *object, const char *name, const QVariantList &args,
                      bool *ok = nullptr);

// Result conversions: floating-point values truncate toward zero, saturating at the
// 32-bit limits; an invalid or unconvertible value gives 0, false, "" or 0.0.
int AxToInt(const QVariant &value);
bool AxToBool(const QVariant &value);
QString AxToText(const QVariant &value);
double AxToDouble(const QVariant &value);
