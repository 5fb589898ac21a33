// Text forms of property values in form descriptions, shared by the reader and the writer.
#pragma once

#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <optional>

namespace FormValues {

// The value `text` stands for as a value of `property` (enumerations by name, sets as [a,b],
// colours by name or #RRGGBB, integers in decimal, true/false); nothing when it does not fit.
// Pictures, references, handlers and collections are the reader's own business.
std::optional<QVariant> parse(const QMetaProperty& property, const QString& text);

// The text `parse` turns back into `value`; nothing for types without a text form.
std::optional<QString> format(const QMetaProperty& property, const QVariant& value);

// Properties whose values are pictures, component references, handlers or collections.
bool isPicture(const QMetaProperty& property);
// String lists are stored one <string> element per line.
bool isStringList(const QMetaProperty& property);
bool isHandler(const QMetaProperty& property);
bool isObject(const QMetaProperty& property);

} // namespace FormValues
