#include "framework/ShortCut.h"

#include "framework/TMenuItem.h"

#include <QKeyEvent>

namespace {

struct NamedKey {
    int code;
    Qt::Key key;
    const char* name;
};

// Key codes of the drawing layer's keyboard and the names its menus show for them.
constexpr NamedKey namedKeys[] = {
    { 0x08, Qt::Key_Backspace, "BkSp" },
    { 0x09, Qt::Key_Tab, "Tab" },
    { 0x0D, Qt::Key_Return, "Enter" },
    { 0x1B, Qt::Key_Escape, "Esc" },
    { 0x20, Qt::Key_Space, "Space" },
    { 0x21, Qt::Key_PageUp, "PgUp" },
    { 0x22, Qt::Key_PageDown, "PgDn" },
    { 0x23, Qt::Key_End, "End" },
    { 0x24, Qt::Key_Home, "Home" },
    { 0x25, Qt::Key_Left, "Left" },
    { 0x26, Qt::Key_Up, "Up" },
    { 0x27, Qt::Key_Right, "Right" },
    { 0x28, Qt::Key_Down, "Down" },
    { 0x2D, Qt::Key_Insert, "Ins" },
    { 0x2E, Qt::Key_Delete, "Del" },
};

constexpr int vkF1 = 0x70;
constexpr int functionKeys = 24;

QString keyName(int code)
{
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return QString(QChar(code));
    if (code >= vkF1 && code < vkF1 + functionKeys)
        return QStringLiteral("F%1").arg(code - vkF1 + 1);
    for (const NamedKey& k : namedKeys)
        if (k.code == code)
            return QString::fromLatin1(k.name);
    return {};
}

int keyCode(int key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // Qt numbers digits and letters as their upper-case character codes
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + functionKeys)
        return vkF1 + (key - Qt::Key_F1);
    if (key == Qt::Key_Enter)
        return 0x0D;
    for (const NamedKey& k : namedKeys)
        if (k.key == key)
            return k.code;
    return 0;
}

} // namespace

QString ShortCutToText(int shortCut)
{
    const QString name = keyName(shortCut & 0xFF);
    if (name.isEmpty())
        return {};
    QString text;
    if (shortCut & scShift)
        text += QLatin1String("Shift+");
    if (shortCut & scCtrl)
        text += QLatin1String("Ctrl+");
    if (shortCut & scAlt)
        text += QLatin1String("Alt+");
    return text + name;
}

int ShortCutFromKeyEvent(const QKeyEvent* event)
{
    if (!event)
        return scNone;
    const int code = keyCode(event->key());
    if (code == 0)
        return scNone;
    int shortCut = code;
    const Qt::KeyboardModifiers m = event->modifiers();
    if (m & Qt::ShiftModifier)
        shortCut |= scShift;
    if (m & Qt::ControlModifier)
        shortCut |= scCtrl;
    if (m & Qt::AltModifier)
        shortCut |= scAlt;
    return shortCut;
}

TMenuItem* FindShortCutItem(const QList<TMenuItem*>& items, int shortCut)
{
    if (shortCut == scNone)
        return nullptr;
    for (TMenuItem* item : items) {
        if (!item->Enabled() || !item->Visible())
            continue;
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem* below = FindShortCutItem(item->Items(), shortCut))
            return below;
    }
    return nullptr;
}
