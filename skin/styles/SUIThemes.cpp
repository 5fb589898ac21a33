#include "skin/styles/SUIThemes.h"

#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"
#include "skin/styles/TsuiFileTheme.h"

#include <QGuiApplication>
#include <QHash>
#include <QWidget>
#include <string_view>

// Outside any namespace: Q_INIT_RESOURCE names a global function.
static void initSkinResources()
{
    // The pictures live in a static library; naming the initialiser links them in.
    static const bool done = [] {
        Q_INIT_RESOURCE(skin);
        return true;
    }();
    (void)done;
}

namespace {

using namespace SuiThemes;

struct Lookup {
    TsuiType kind;
    const TsuiBuiltinValue* value; // null for the Int -1 answer
};

// FromThemeFile and indexes outside the table answer like an Int item holding -1, so every
// typed reader falls back without a special case.
Lookup lookup(TsuiUIStyle style, int index)
{
    const TsuiBuiltinValue* value = BuiltinValue(style, index);
    if (!value)
        return { TsuiType::Int, nullptr };
    return { kThemeItems[size_t(index - 1)].kind, value };
}

} // namespace

// The frame component is recognised by its class name, so this layer does not depend on the
// windows layer; the namespace a class sits in is ignored.
bool IsTsuiForm(const QObject* object)
{
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        const std::string_view name(meta->className());
        const size_t colon = name.rfind(':');
        if (name.substr(colon == std::string_view::npos ? 0 : colon + 1) == "TsuiForm")
            return true;
    }
    return false;
}

QImage GetSkinResource(const QString& name, int scale)
{
    initSkinResources();
    scale = scale >= 2 ? 2 : 1;
    static QHash<QString, QImage> cache[2];
    QHash<QString, QImage>& pictures = cache[scale - 1];
    const auto found = pictures.constFind(name);
    if (found != pictures.constEnd())
        return *found;
    QImage image;
    if (scale == 2) {
        image = QImage(QStringLiteral(":/skin/") + name + QStringLiteral("@2x.bmp"));
        // The twin must keep the layout exactly; one that does not is not used.
        const QImage single = GetSkinResource(name, 1);
        if (image.size() != single.size() * 2)
            image = single;
        else
            image.setDevicePixelRatio(2);
    } else {
        image = QImage(QStringLiteral(":/skin/") + name + QStringLiteral(".bmp"));
    }
    pictures.insert(name, image);
    return image;
}

int SkinPictureScale(qreal devicePixelRatio)
{
    return devicePixelRatio >= 2 ? 2 : 1;
}

int SkinPictureScale(const QObject* control)
{
    if (control && control->isWidgetType())
        return SkinPictureScale(static_cast<const QWidget*>(control)->devicePixelRatioF());
    return SkinPictureScale(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

void GetInsideThemeBitmap(
    TsuiUIStyle style, int index, QImage* target, int frameCount, int frameNumber, int scale)
{
    if (!target)
        return;
    const Lookup found = lookup(style, index);
    if (found.kind != TsuiType::Str || !found.value)
        return;
    const QImage strip = GetSkinResource(
        QString::fromLatin1(found.value->image.data(), qsizetype(found.value->image.size())),
        scale);
    if (frameCount == 0)
        *target = strip;
    else
        SpitBitmap(strip, *target, frameCount, frameNumber);
}

uint32_t GetInsideThemeColor(TsuiUIStyle style, int index)
{
    const Lookup found = lookup(style, index);
    return found.kind == TsuiType::Color ? uint32_t(found.value->number) : 0u;
}

int32_t GetInsideThemeInt(TsuiUIStyle style, int index)
{
    const Lookup found = lookup(style, index);
    return found.kind == TsuiType::Int && found.value ? found.value->number : -1;
}

bool GetInsideThemeBool(TsuiUIStyle style, int index)
{
    const Lookup found = lookup(style, index);
    return found.kind == TsuiType::Bool && (found.value->number & 0xFF) != 0;
}

bool IsSUIForm(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return false;
    if (widget->isWindow())
        return true;
    const QWidget* parent = widget->parentWidget();
    return parent && parent->inherits("QMdiSubWindow");
}

QWidget* SUIFormWindow(QWidget* form)
{
    if (!form || form->isWindow())
        return form;
    QWidget* parent = form->parentWidget();
    return parent && parent->inherits("QMdiSubWindow") ? parent : form;
}

TsuiUIStyle GetSUIFormStyle(QObject* owner)
{
    const auto* form = qobject_cast<QWidget*>(owner);
    if (!form || !IsSUIForm(form))
        return TsuiUIStyle::DeepBlue;
    for (QObject* child : form->children()) {
        if (!child->isWidgetType() || !IsTsuiForm(child))
            continue;
        const QVariant value = child->property("UIStyle");
        if (value.metaType() == QMetaType::fromType<TsuiUIStyle>())
            return value.value<TsuiUIStyle>();
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok && number >= int(TsuiUIStyle::FromThemeFile)
            && number <= int(TsuiUIStyle::BlueGlass))
            return TsuiUIStyle(number);
        return TsuiUIStyle::DeepBlue;
    }
    return TsuiUIStyle::DeepBlue;
}

bool UsingFileTheme(TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& effective)
{
    effective = style;
    if (style != TsuiUIStyle::FromThemeFile)
        return false;
    if (!fileTheme || !fileTheme->CanUse()) {
        effective = TsuiUIStyle::DeepBlue;
        return false;
    }
    return true;
}
