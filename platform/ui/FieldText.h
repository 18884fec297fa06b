#pragma once
// Field values as windows show them and as users type them, in the Hungarian
// formats whatever the machine's locale.
#include "foundation/Schema.h"
#include <QString>
#include <QVariant>

// Null is empty; dates "yyyy. MM. dd.", times "H:mm:ss", reals with a decimal comma.
QString fieldText(const QVariant &value);

// Reads text typed for a field of type: empty text is null. On a text that is
// no value of the type gives false and a Hungarian message in error.
bool parseFieldText(Schema::Type type, const QString &text, QVariant &value, QString &error);
