#include "tools/themetool/ThemeFolder.h"

#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/Suiresdef.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMetaEnum>
#include <QSaveFile>
#include <QTextStream>
#include <QtEndian>

#include <cctype>
#include <map>

using namespace SuiThemes;

namespace ThemeFolder {

namespace {

using Item = TsuiThemeItem;

QString keyOf(const Item& item)
{
    return QString::fromLatin1(item.key.data(), qsizetype(item.key.size()));
}

const Item* findItem(const QString& key)
{
    for (const Item& item : kThemeItems) {
        if (keyOf(item).compare(key, Qt::CaseInsensitive) == 0)
            return &item;
    }
    return nullptr;
}

// The entry kind an item is stored under: images as file entries, colours as integers.
uint8_t entryKindOf(TsuiType kind)
{
    switch (kind) {
    case TsuiType::Str:
        return SuiThemeFileFormat::KindFile;
    case TsuiType::Bool:
        return SuiThemeFileFormat::KindBoolean;
    case TsuiType::Int:
    case TsuiType::Color:
        break;
    }
    return SuiThemeFileFormat::KindInteger;
}

QString kindName(uint8_t kind)
{
    switch (kind) {
    case SuiThemeFileFormat::KindFile:
        return QStringLiteral("file");
    case SuiThemeFileFormat::KindInteger:
        return QStringLiteral("integer");
    case SuiThemeFileFormat::KindBoolean:
        return QStringLiteral("boolean");
    case SuiThemeFileFormat::KindString:
        return QStringLiteral("string");
    default:
        return QStringLiteral("kind %1").arg(kind);
    }
}

QString valueText(const Item& item, int32_t number)
{
    switch (item.kind) {
    case TsuiType::Color:
        return colorText(uint32_t(number));
    case TsuiType::Bool:
        return number & 0xFF ? QStringLiteral("true") : QStringLiteral("false");
    case TsuiType::Int:
    case TsuiType::Str:
        break;
    }
    return QString::number(number);
}

std::optional<int32_t> parseValue(const Item& item, const QString& text)
{
    bool ok = false;
    switch (item.kind) {
    case TsuiType::Color:
        if (const auto color = parseColor(text))
            return int32_t(*color);
        return std::nullopt;
    case TsuiType::Int: {
        const int value = text.toInt(&ok, 10);
        return ok ? std::optional<int32_t>(value) : std::nullopt;
    }
    case TsuiType::Bool:
        if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
            return 1;
        if (text.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
            return 0;
        return std::nullopt;
    case TsuiType::Str:
        break;
    }
    return std::nullopt;
}

QString expectedForm(TsuiType kind)
{
    switch (kind) {
    case TsuiType::Color:
        return QStringLiteral("a colour #RRGGBB");
    case TsuiType::Int:
        return QStringLiteral("a whole number");
    case TsuiType::Bool:
        return QStringLiteral("true or false");
    case TsuiType::Str:
        break;
    }
    return QString();
}

// A new folder, or an existing empty one: writing never mixes with or replaces older items.
QDir prepareFolder(const QString& folder)
{
    QDir dir(folder);
    if (dir.exists()) {
        if (!dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            throw ThemeToolError(QStringLiteral("%1: folder is not empty").arg(folder));
    } else if (!QDir().mkpath(folder)) {
        throw ThemeToolError(QStringLiteral("%1: cannot create folder").arg(folder));
    }
    return dir;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ThemeToolError(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
}

// theme.txt: the non-image items in item order, `Key = value`.
void writeText(const QDir& dir, const QString& title, const std::map<int, int32_t>& values)
{
    QString text;
    QTextStream out(&text);
    out << "# " << title << "\n";
    out << "# Colours #RRGGBB, whole numbers, flags true/false. Each image item is <Key>.bmp in "
           "this folder.\n";
    for (const auto& [index, number] : values) {
        const Item& item = kThemeItems[size_t(index - 1)];
        out << keyOf(item) << " = " << valueText(item, number) << "\n";
    }
    out.flush();
    writeFile(dir.filePath(QString::fromLatin1(TextFileName)), text.toUtf8());
}

QString imageSummary(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (!size.isValid())
        return QStringLiteral("not a BMP picture");
    return QStringLiteral("BMP %1x%2").arg(size.width()).arg(size.height());
}

bool allHex(QStringView digits)
{
    for (const QChar c : digits) {
        if (!isxdigit(c.toLatin1()) || c.unicode() > 0x7F)
            return false;
    }
    return !digits.isEmpty();
}

bool isBmp(const QByteArray& data)
{
    QImage image;
    return image.loadFromData(data, "BMP") && !image.isNull();
}

} // namespace

QString colorText(uint32_t color)
{
    if (color & 0xFF000000u)
        return QStringLiteral("0x")
            + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
    const uint32_t rgb = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

std::optional<uint32_t> parseColor(const QString& text)
{
    if (text.size() == 7 && text.startsWith(QLatin1Char('#')) && allHex(QStringView(text).mid(1))) {
        const uint32_t rgb = text.mid(1).toUInt(nullptr, 16);
        return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    }
    if (text.size() <= 10 && text.startsWith(QStringLiteral("0x"))
        && allHex(QStringView(text).mid(2)))
        return text.mid(2).toUInt(nullptr, 16);
    return std::nullopt;
}

std::optional<TsuiUIStyle> styleFromName(const QString& name)
{
    const QMetaEnum styles = QMetaEnum::fromType<TsuiUIStyle>();
    for (int i = 0; i < styles.keyCount(); ++i) {
        const auto style = TsuiUIStyle(styles.value(i));
        if (style != TsuiUIStyle::FromThemeFile
            && name.compare(QLatin1String(styles.key(i)), Qt::CaseInsensitive) == 0)
            return style;
    }
    return std::nullopt;
}

QStringList pack(const QString& folder, const QString& themeFile)
{
    const QDir dir(folder);
    if (!dir.exists())
        throw ThemeToolError(QStringLiteral("%1: no such folder").arg(folder));

    std::map<int, QString> images;
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        if (file.suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) != 0)
            continue;
        const QString path = file.filePath();
        const Item* item = findItem(file.completeBaseName());
        if (!item)
            throw ThemeToolError(QStringLiteral("%1: no image item is named \"%2\"")
                                     .arg(path, file.completeBaseName()));
        if (item->kind != TsuiType::Str)
            throw ThemeToolError(
                QStringLiteral("%1: \"%2\" is not an image item").arg(path, keyOf(*item)));
        if (images.count(item->index))
            throw ThemeToolError(QStringLiteral("%1: a second picture for \"%2\" (after %3)")
                                     .arg(path, keyOf(*item), images[item->index]));
        QFile source(path);
        if (!source.open(QIODevice::ReadOnly) || !isBmp(source.readAll()))
            throw ThemeToolError(QStringLiteral("%1: not a BMP picture").arg(path));
        images[item->index] = path;
    }

    const QString textPath = dir.filePath(QString::fromLatin1(TextFileName));
    QFile textFile(textPath);
    if (!textFile.open(QIODevice::ReadOnly | QIODevice::Text))
        throw ThemeToolError(
            QStringLiteral("%1: cannot read: %2").arg(textPath, textFile.errorString()));
    std::map<int, int32_t> values;
    std::map<int, int> lineOf;
    QTextStream in(&textFile);
    for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fail = [&](const QString& what) {
            return ThemeToolError(
                QStringLiteral("%1:%2: %3").arg(textPath).arg(lineNumber).arg(what));
        };
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            throw fail(QStringLiteral("expected Key = value"));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key.isEmpty())
            throw fail(QStringLiteral("expected Key = value"));
        const Item* item = findItem(key);
        if (!item)
            throw fail(QStringLiteral("unknown key \"%1\"").arg(key));
        if (item->kind == TsuiType::Str)
            throw fail(QStringLiteral("\"%1\" is an image item; put %1.bmp beside theme.txt")
                           .arg(keyOf(*item)));
        if (lineOf.count(item->index))
            throw fail(QStringLiteral("\"%1\" is already set on line %2")
                           .arg(keyOf(*item))
                           .arg(lineOf[item->index]));
        const auto number = parseValue(*item, value);
        if (!number)
            throw fail(QStringLiteral("\"%1\" needs %2, not \"%3\"")
                           .arg(keyOf(*item), expectedForm(item->kind), value));
        values[item->index] = *number;
        lineOf[item->index] = lineNumber;
    }

    QStringList warnings;
    TsuiThemeFileWriter writer(themeFile);
    for (const Item& item : kThemeItems) {
        const QString key = keyOf(item);
        if (item.kind == TsuiType::Str) {
            if (images.count(item.index))
                writer.AddFile(key, images[item.index]);
            else
                warnings << QStringLiteral("%1: no %2.bmp").arg(folder, key);
        } else if (!values.count(item.index)) {
            warnings << QStringLiteral("%1: no value for %2").arg(textPath, key);
        } else if (item.kind == TsuiType::Bool) {
            writer.AddBool(key, values[item.index] != 0);
        } else {
            writer.AddInteger(key, values[item.index]);
        }
    }
    // Everything is checked by now; a failing save raises and leaves any old theme file whole.
    writer.Save();
    return warnings;
}

QStringList list(const QString& themeFile)
{
    if (!IsSUIThemeFile(themeFile))
        throw ThemeToolError(QStringLiteral("%1: not a theme file").arg(themeFile));
    const TsuiThemeFileReader reader(themeFile);
    QStringList lines;
    std::map<std::pair<QString, uint8_t>, bool> seen;
    for (const auto& entry : reader.entries()) {
        QString value;
        if (!entry.usable) {
            value = QStringLiteral("(ignored: %1 bytes)").arg(entry.dataSize);
        } else {
            const Item* item = findItem(entry.key);
            switch (entry.kind) {
            case SuiThemeFileFormat::KindFile:
                value = imageSummary(entry.data);
                break;
            case SuiThemeFileFormat::KindInteger: {
                const int32_t number = qFromLittleEndian<qint32>(entry.data.constData());
                value = item && item->kind == TsuiType::Color ? colorText(uint32_t(number))
                                                              : QString::number(number);
                break;
            }
            case SuiThemeFileFormat::KindBoolean: {
                const int byte = quint8(entry.data.at(0));
                value = byte ? QStringLiteral("true") : QStringLiteral("false");
                if (byte > 1)
                    value += QStringLiteral(" (%1)").arg(byte);
                break;
            }
            default:
                value = QLatin1Char('"') + QString::fromLatin1(entry.data) + QLatin1Char('"');
                break;
            }
            const auto slot = std::make_pair(entry.key.toLower(), entry.kind);
            if (seen[slot])
                value += QStringLiteral(" (hidden by an earlier entry)");
            seen[slot] = true;
        }
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(entry.key, -34)
                     .arg(kindName(entry.kind), -8)
                     .arg(entry.dataSize, 8)
                     .arg(value);
    }
    return lines;
}

QStringList unpack(const QString& themeFile, const QString& folder)
{
    if (!IsSUIThemeFile(themeFile))
        throw ThemeToolError(QStringLiteral("%1: not a theme file").arg(themeFile));
    const TsuiThemeFileReader reader(themeFile);
    const QDir dir = prepareFolder(folder);

    QStringList warnings;
    std::map<int, int32_t> values;
    std::map<std::pair<QString, uint8_t>, bool> seen;
    for (const auto& entry : reader.entries()) {
        const QString where = QStringLiteral("%1: entry \"%2\" (%3)")
                                  .arg(themeFile, entry.key, kindName(entry.kind));
        if (!entry.usable) {
            warnings << where + QStringLiteral(" has an unreadable size; left out");
            continue;
        }
        // Only the first entry of a key answers, as in the reader.
        const auto slot = std::make_pair(entry.key.toLower(), entry.kind);
        if (seen[slot]) {
            warnings << where + QStringLiteral(" repeats an earlier key; left out");
            continue;
        }
        seen[slot] = true;
        const Item* item = findItem(entry.key);
        if (!item || entryKindOf(item->kind) != entry.kind) {
            warnings << where + QStringLiteral(" is no theme item; left out");
            continue;
        }
        if (item->kind == TsuiType::Str) {
            // Only table keys become file names, so no entry can write outside the folder.
            if (!isBmp(entry.data))
                warnings << where + QStringLiteral(" is not a BMP picture");
            writeFile(dir.filePath(keyOf(*item) + QStringLiteral(".bmp")), entry.data);
        } else {
            values[item->index] = entry.kind == SuiThemeFileFormat::KindBoolean
                ? int32_t(quint8(entry.data.at(0)))
                : qFromLittleEndian<qint32>(entry.data.constData());
        }
    }
    for (const Item& item : kThemeItems) {
        const bool held = item.kind == TsuiType::Str
            ? seen[std::make_pair(keyOf(item).toLower(), entryKindOf(item.kind))]
            : values.count(item.index) > 0;
        if (!held)
            warnings << QStringLiteral("%1: no %2").arg(themeFile, keyOf(item));
    }
    writeText(
        dir, QStringLiteral("Theme unpacked from %1").arg(QFileInfo(themeFile).fileName()), values);
    return warnings;
}

void exportBuiltin(TsuiUIStyle style, const QString& folder)
{
    if (style == TsuiUIStyle::FromThemeFile)
        throw ThemeToolError(QStringLiteral("FromThemeFile is not a built-in style"));
    const QDir dir = prepareFolder(folder);
    std::map<int, int32_t> values;
    for (const Item& item : kThemeItems) {
        switch (item.kind) {
        case TsuiType::Str: {
            QImage image;
            GetInsideThemeBitmap(style, item.index, &image);
            const QString path = dir.filePath(keyOf(item) + QStringLiteral(".bmp"));
            if (image.isNull())
                throw ThemeToolError(
                    QStringLiteral("%1: the built-in picture is missing").arg(keyOf(item)));
            if (!image.save(path, "BMP"))
                throw ThemeToolError(QStringLiteral("%1: cannot write").arg(path));
            break;
        }
        case TsuiType::Color:
            values[item.index] = int32_t(GetInsideThemeColor(style, item.index));
            break;
        case TsuiType::Int:
            values[item.index] = GetInsideThemeInt(style, item.index);
            break;
        case TsuiType::Bool:
            values[item.index] = GetInsideThemeBool(style, item.index) ? 1 : 0;
            break;
        }
    }
    const char* name = QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(style));
    writeText(dir, QStringLiteral("Built-in style %1").arg(QLatin1String(name)), values);
}

} // namespace ThemeFolder
