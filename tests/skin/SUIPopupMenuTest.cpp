// TsuiPopupMenu: popped up at a screen point, drawn by the shared item drawing with the
// process-wide check mark, and published for form descriptions.
#include "MenuTestSupport.h"

#include "framework/ComponentRegistry.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/SUIPopupMenu.h"
#include "skin/windows/SuiMenuDropDown.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace SuiThemes;

TEST(SuiPopupMenu, PopupShowsTheThemedItemsAtTheScreenPoint)
{
    TsuiPopupMenu popup;
    int popups = 0;
    popup.OnPopup = [&](QObject* sender) {
        EXPECT_EQ(sender, &popup);
        ++popups;
    };
    addItem(&popup, "&Restore");
    TMenuItem* close = addItem(&popup, "&Close", scAlt | 0x73);
    close->setChecked(true);
    close->setDefault(true);
    popup.Loaded();

    popup.Popup(120, 90);
    EXPECT_EQ(popups, 1);
    QMenu* shown = popup.popupWidget();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    EXPECT_EQ(shown->pos(), QPoint(120, 90));
    EXPECT_EQ(shown->style(), SuiMenuStyle::instance());

    const QImage grabbed = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r = shown->actionGeometry(shown->actions().value(1));
    QImage expected(r.size(), QImage::Format_RGB32);
    QPainter painter(&expected);
    popup.DrawItem(close, painter, QRect(QPoint(0, 0), r.size()), false);
    painter.end();
    EXPECT_EQ(grabbed.copy(r), expected);
    // The tick of the shared check-mark list sits at (left + 4, top + 3).
    const QImage tick = GetSkinResource("MENU_CHECKED");
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (at(tick, x, y) == qRgb(0, 0, 0))
                EXPECT_EQ(at(grabbed, r.x() + 4 + x, r.y() + 3 + y), qRgb(0, 0, 0))
                    << x << "," << y;

    // Popping up again shows the items as they are now.
    addItem(&popup, "&Move");
    popup.Popup(10, 10);
    EXPECT_EQ(popup.popupWidget()->actions().size(), 3);
}

TEST(SuiPopupMenu, PublishesTheMenuLookAndIsKnownToFormDescriptions)
{
    RegisterSuiMenuComponents();
    const ComponentRegistry::Entry* entry = ComponentRegistry::instance().find("TsuiPopupMenu");
    ASSERT_NE(entry, nullptr);
    std::unique_ptr<QObject> made(entry->create(nullptr));
    auto* popup = qobject_cast<TsuiPopupMenu*>(made.get());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_TRUE(popup->setProperty("OwnerDraw", false));
    EXPECT_TRUE(popup->property("OwnerDraw").toBool());
    EXPECT_TRUE(popup->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::MacOS)));
    EXPECT_TRUE(popup->setProperty("MenuItemHeight", 40));
    EXPECT_EQ(popup->property("MenuItemHeight").toInt(), 20);
    EXPECT_EQ(popup->property("SeparatorHeight").toInt(), 12);
    EXPECT_EQ(popup->property("SelectedColor").value<TColor>().value(), 0xC47339u);

    // The properties stand in the order the menus declare them.
    const QMetaObject* meta = popup->metaObject();
    QStringList own;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        own << QString::fromLatin1(meta->property(i).name());
    EXPECT_EQ(own,
        QStringList({ "OwnerDraw", "FileTheme", "UIStyle", "MenuItemHeight", "SeparatorHeight",
            "BarWidth", "BarColor", "Color", "SeparatorColor", "SelectedBorderColor",
            "SelectedColor", "SelectedFontColor", "FontColor", "BorderColor", "FlatMenu",
            "FontName", "FontSize", "FontCharset", "UseSystemFont" }));
    EXPECT_NE(ComponentRegistry::instance().find("TsuiMainMenu"), nullptr);
}
