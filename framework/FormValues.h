// Text forms of property values in form descriptions, shared by the reader and the writer.
#pragma once

#include <QImage>
#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <optional>

namespace FormValues {

// The value `text` stands for as a value of `property` (enumerations by name, sets as [a,b],
// colours by name or #RRGGBB, integers in decimal, true/false, string lists one per line);
// nothing when it does not fit.
// Pictures, references, handlers and collections are the reader's own business.
std::optional<QVariant> parse(const QMetaProperty& property, const QString& text);

// The text `parse` turns back into `value`; nothing for types without a text form.
std::optional<QString> format(const QMetaProperty& property, const QVariant& value);

// The picture file a description names. Where the application's screens have a device pixel
// ratio of 2 or more and a twin drawn at twice the size stands beside it (NAME@2x.EXT, exactly
// twice the pixels), the twin, with ratio 2: the same logical size, sharper. Null when unreadable.
QImage readPicture(const QString& fileName);
// The picture as a description stores it: its logical size in plain pixels, so a description
// written from a window on a dense screen reads back with the same layout anywhere.
QImage storedPicture(const QImage& picture);

// Properties whose values are pictures, component references, handlers or collections.
bool isPicture(const QMetaProperty& property);
// String lists are stored one <string> element per line.
bool isStringList(const QMetaProperty& property);
bool isHandler(const QMetaProperty& property);
bool isObject(const QMetaProperty& property);

} // namespace FormValues
