#include "framework/FormValues.h"

#include "framework/Event.h"
#include "framework/TColor.h"

#include <QColor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMetaEnum>

namespace FormValues {

namespace {

std::optional<qint64> parseInteger(const QString& text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

// Enumerations and sets are stored as their integer, converted to the property's own type.
QVariant enumVariant(const QMetaProperty& property, int value)
{
    QVariant v(value);
    if (v.convert(property.metaType()))
        return v;
    // The integer's low bytes are the enumeration on the little-endian machines we run on.
    return QVariant(property.metaType(), &value);
}

int enumInteger(const QVariant& value)
{
    bool ok = false;
    int v = value.toInt(&ok);
    if (!ok && value.metaType().sizeOf() <= int(sizeof(int))) {
        v = 0;
        memcpy(&v, value.constData(), size_t(value.metaType().sizeOf()));
    }
    return v;
}

} // namespace

bool isPicture(const QMetaProperty& property)
{
    return property.metaType() == QMetaType::fromType<QImage>();
}

bool isStringList(const QMetaProperty& property)
{
    return property.metaType() == QMetaType::fromType<QStringList>();
}

bool isHandler(const QMetaProperty& property)
{
    return property.metaType() == QMetaType::fromType<FormMethod>();
}

bool isObject(const QMetaProperty& property)
{
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

std::optional<QVariant> parse(const QMetaProperty& property, const QString& text)
{
    const QMetaType type = property.metaType();
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        if (e.isFlag()) {
            const QString t = text.trimmed();
            if (!t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
                return std::nullopt;
            int value = 0;
            const QString inner = t.mid(1, t.size() - 2).trimmed();
            if (!inner.isEmpty()) {
                for (const QString& key : inner.split(QLatin1Char(','))) {
                    bool ok = false;
                    const int bit = e.keyToValue(key.trimmed().toLatin1().constData(), &ok);
                    if (!ok)
                        return std::nullopt;
                    value |= bit;
                }
            }
            return enumVariant(property, value);
        }
        bool ok = false;
        const int value = e.keyToValue(text.trimmed().toLatin1().constData(), &ok);
        if (!ok)
            return std::nullopt;
        return enumVariant(property, value);
    }
    switch (type.id()) {
    case QMetaType::QString:
        return QVariant(text);
    case QMetaType::Bool: {
        const QString t = text.trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    }
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char: {
        const auto v = parseInteger(text);
        if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max())
            return std::nullopt;
        QVariant r { int(*v) };
        if (!r.convert(type))
            return std::nullopt;
        return r;
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const auto v = parseInteger(text);
        if (!v || *v < 0 || *v > std::numeric_limits<uint>::max())
            return std::nullopt;
        QVariant r { uint(*v) };
        if (!r.convert(type))
            return std::nullopt;
        return r;
    }
    case QMetaType::LongLong: {
        const auto v = parseInteger(text);
        return v ? std::optional<QVariant>(QVariant(*v)) : std::nullopt;
    }
    case QMetaType::Double: {
        bool ok = false;
        const double v = text.trimmed().toDouble(&ok);
        return ok ? std::optional<QVariant>(QVariant(v)) : std::nullopt;
    }
    case QMetaType::QColor: {
        const auto c = TColor::fromString(text.trimmed());
        if (!c)
            return std::nullopt;
        return QVariant(c->toQColor());
    }
    case QMetaType::QStringList: {
        // One line per entry; blank lines and the indentation of the description are not data.
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed());
        return QVariant(lines);
    }
    default:
        break;
    }
    if (type == QMetaType::fromType<TColor>()) {
        const auto c = TColor::fromString(text.trimmed());
        if (!c)
            return std::nullopt;
        return QVariant::fromValue(*c);
    }
    return std::nullopt;
}

std::optional<QString> format(const QMetaProperty& property, const QVariant& value)
{
    const QMetaType type = property.metaType();
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        const int v = enumInteger(value);
        if (e.isFlag()) {
            QStringList keys;
            for (int i = 0; i < e.keyCount(); ++i) {
                const int bit = e.value(i);
                if (bit != 0 && (v & bit) == bit)
                    keys << QString::fromLatin1(e.key(i));
            }
            return QLatin1Char('[') + keys.join(QLatin1Char(',')) + QLatin1Char(']');
        }
        const char* key = e.valueToKey(v);
        if (!key)
            return std::nullopt;
        return QString::fromLatin1(key);
    }
    switch (type.id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case QMetaType::QColor:
        return TColor::fromQColor(value.value<QColor>()).toString();
    case QMetaType::QStringList:
        return value.toStringList().join(QLatin1Char('\n'));
    default:
        break;
    }
    if (type == QMetaType::fromType<TColor>())
        return value.value<TColor>().toString();
    return std::nullopt;
}

QImage readPicture(const QString& fileName)
{
    // Only files: a device or pipe named here would never end.
    if (!QFileInfo(fileName).isFile())
        return {};
    QImage picture(fileName);
    if (picture.isNull() || !qGuiApp || qGuiApp->devicePixelRatio() < 2)
        return picture;
    const QFileInfo info(fileName);
    const QString twinName = info.path() + QLatin1Char('/') + info.completeBaseName()
        + QStringLiteral("@2x.") + info.suffix();
    if (info.completeBaseName().endsWith(QStringLiteral("@2x")) || !QFileInfo(twinName).isFile())
        return picture;
    QImage twin(twinName);
    // A twin that does not keep the layout exactly is not one.
    if (twin.size() != picture.size() * 2)
        return picture;
    twin.setDevicePixelRatio(2);
    return twin;
}

QImage storedPicture(const QImage& picture)
{
    if (picture.isNull() || picture.devicePixelRatio() == 1)
        return picture;
    const QSize logical = picture.deviceIndependentSize().toSize();
    QImage stored = picture.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    stored.setDevicePixelRatio(1);
    return stored;
}

} // namespace FormValues
