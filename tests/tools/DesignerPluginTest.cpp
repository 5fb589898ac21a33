// Designer's plugin, loaded as Designer loads it: every widget it lists can be made, is the class
// it names, shows the skin's published properties and drops onto a form from its XML.
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSet>
#include <QWidget>

#include <memory>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

namespace {

QDesignerCustomWidgetCollectionInterface* loadPlugin(QPluginLoader& loader)
{
    QObject* instance = loader.instance();
    EXPECT_NE(instance, nullptr) << loader.errorString().toStdString();
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
}

TEST(DesignerPlugin, EveryListedWidgetIsMadeAsTheClassItNamesWithTheSkinsProperties)
{
    QPluginLoader loader(QStringLiteral(ORLENDA_DESIGNER_PLUGIN));
    QDesignerCustomWidgetCollectionInterface* plugin = loadPlugin(loader);
    ASSERT_NE(plugin, nullptr);
    const QList<QDesignerCustomWidgetInterface*> widgets = plugin->customWidgets();

    QSet<QString> names;
    QWidget form;
    for (QDesignerCustomWidgetInterface* widget : widgets) {
        const std::string name = widget->name().toStdString();
        EXPECT_FALSE(names.contains(widget->name())) << name << " is listed twice";
        names.insert(widget->name());
        EXPECT_TRUE(widget->group().startsWith(QStringLiteral("Orlenda Skin"))) << name;
        // The header a generated form includes exists where the installed tree puts it.
        EXPECT_TRUE(
            QFileInfo(QStringLiteral(ORLENDA_SOURCE_DIR "/") + widget->includeFile()).isFile())
            << name << ": " << widget->includeFile().toStdString();

        QWidget* made = widget->createWidget(&form);
        ASSERT_NE(made, nullptr) << name;
        EXPECT_EQ(made->metaObject()->className(), widget->name()) << name;
        EXPECT_EQ(made->parentWidget(), &form) << name;
        // The published properties are what Designer's property editor lists and writes; every
        // skinned widget but the picture panel takes a style and a theme.
        const QMetaObject* meta = made->metaObject();
        if (widget->name() != QLatin1String("TsuiImagePanel")) {
            for (const char* property : { "UIStyle", "FileTheme" }) {
                const int index = meta->indexOfProperty(property);
                ASSERT_GE(index, 0) << name << " lacks " << property;
                EXPECT_TRUE(meta->property(index).isWritable()) << name << " " << property;
                EXPECT_TRUE(meta->property(index).isDesignable()) << name << " " << property;
            }
            EXPECT_TRUE(made->setProperty("UIStyle", QStringLiteral("MacOS"))) << name;
        }

        // The XML Designer drops onto a form names the same class and a size to start from.
        QDomDocument dom;
        ASSERT_TRUE(dom.setContent(widget->domXml())) << name;
        const QDomElement element
            = dom.documentElement().firstChildElement(QStringLiteral("widget"));
        EXPECT_EQ(element.attribute(QStringLiteral("class")), widget->name());
        EXPECT_FALSE(element.attribute(QStringLiteral("name")).isEmpty()) << name;
        const QDomElement rect = element.firstChildElement(QStringLiteral("property"))
                                     .firstChildElement(QStringLiteral("rect"));
        EXPECT_GT(rect.firstChildElement(QStringLiteral("width")).text().toInt(), 0) << name;
        EXPECT_GT(rect.firstChildElement(QStringLiteral("height")).text().toInt(), 0) << name;
        delete made;
    }
    // The frame and every family of controls.
    for (const char* expected : { "TsuiForm", "TsuiButton", "TsuiCheckBox", "TsuiRadioButton",
             "TsuiEdit", "TsuiProgressBar", "TsuiTrackBar", "TsuiScrollBar", "TsuiPanel",
             "TsuiGroupBox", "TsuiToolBar", "TsuiRadioGroup" })
        EXPECT_TRUE(names.contains(QString::fromLatin1(expected))) << expected;
}

TEST(DesignerPlugin, TheFrameAndPanelsTakeChildrenAndTheFrameInAFormIsAPlainContainer)
{
    QPluginLoader loader(QStringLiteral(ORLENDA_DESIGNER_PLUGIN));
    QDesignerCustomWidgetCollectionInterface* plugin = loadPlugin(loader);
    ASSERT_NE(plugin, nullptr);
    QWidget window;
    QWidget* formArea = new QWidget(&window);
    for (QDesignerCustomWidgetInterface* widget : plugin->customWidgets()) {
        const bool container = widget->name() == QLatin1String("TsuiForm")
            || widget->name() == QLatin1String("TsuiPanel")
            || widget->name() == QLatin1String("TsuiImagePanel")
            || widget->name() == QLatin1String("TsuiGroupBox");
        EXPECT_EQ(widget->isContainer(), container) << widget->name().toStdString();
    }
    // Dropped inside a form being edited, the frame leaves the window alone: no frameless flag.
    for (QDesignerCustomWidgetInterface* widget : plugin->customWidgets()) {
        if (widget->name() != QLatin1String("TsuiForm"))
            continue;
        std::unique_ptr<QWidget> frame(widget->createWidget(formArea));
        EXPECT_FALSE(formArea->isWindow());
        EXPECT_FALSE(formArea->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
}

} // namespace
