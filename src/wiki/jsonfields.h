#pragma once
// Reading the members of the wiki's JSON answers without trusting their types: a member
// that is missing or of another type reads as empty.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

namespace wiki::api::json {

inline QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

inline QJsonObject child(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toObject();
}

inline QJsonArray list(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toArray();
}

inline QStringList strings(const QJsonValue &value)
{
    QStringList texts;
    for (const QJsonValue &item : value.toArray())
        if (item.isString())
            texts.append(item.toString());
    return texts;
}

// A revision or page number: -1 unless a whole number the answer could mean.
inline qint64 number(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() && value.toDouble() >= 0 && value.toDouble() < 0x1p53 ? qint64(value.toDouble()) : -1;
}

} // namespace wiki::api::json
