// The main window as a screen reader walks it: caption buttons, menu titles and controls carry
// names and roles, and their actions do what a click does.
#include "MainWindowFixture.h"

#include <QAccessible>
#include <QMenu>

namespace {

struct Node {
    QAccessible::Role role;
    QString name;
    QAccessibleInterface* iface;
};

// Every interface below `root`, depth first, each child checked against its parent link.
void walk(QAccessibleInterface* root, QList<Node>& out)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        ASSERT_NE(child, nullptr) << root->text(QAccessible::Name).toStdString() << " child " << i;
        ASSERT_TRUE(child->isValid());
        EXPECT_EQ(root->indexOfChild(child), i) << child->text(QAccessible::Name).toStdString();
        EXPECT_EQ(child->parent(), root) << child->text(QAccessible::Name).toStdString();
        out.append({ child->role(), child->text(QAccessible::Name), child });
        walk(child, out);
    }
}

class MainAccessibilityTest : public MainWindowFixture {
protected:
    QList<Node> tree()
    {
        QList<Node> nodes;
        walk(QAccessible::queryAccessibleInterface(form.get()), nodes);
        return nodes;
    }
    static QStringList namesOf(const QList<Node>& nodes, QAccessible::Role role)
    {
        QStringList names;
        for (const Node& node : nodes)
            if (node.role == role)
                names << node.name;
        return names;
    }
    static QAccessibleInterface* find(
        const QList<Node>& nodes, QAccessible::Role role, const QString& name)
    {
        for (const Node& node : nodes)
            if (node.role == role && node.name == name)
                return node.iface;
        return nullptr;
    }
};

TEST_F(MainAccessibilityTest, TheTreeNamesTheCaptionButtonsMenuTitlesAndControls)
{
    writeCatalogue();
    start();
    const QList<Node> nodes = tree();

    const QStringList bars = namesOf(nodes, QAccessible::TitleBar);
    ASSERT_EQ(bars, QStringList { QStringLiteral("Orlenda System Value Reference") });
    // Left to right as they stand on the bar.
    EXPECT_EQ(
        namesOf(nodes, QAccessible::ButtonMenu), QStringList { QStringLiteral("Window menu") });
    QStringList captionButtons;
    for (const Node& node : nodes)
        if (node.role == QAccessible::PushButton
            && node.iface->parent()->role() == QAccessible::TitleBar)
            captionButtons << node.name;
    EXPECT_EQ(captionButtons,
        (QStringList {
            QStringLiteral("Minimize"), QStringLiteral("Maximize"), QStringLiteral("Close") }));

    ASSERT_EQ(namesOf(nodes, QAccessible::MenuBar).size(), 1);
    EXPECT_EQ(namesOf(nodes, QAccessible::MenuItem),
        (QStringList { QStringLiteral("File"), QStringLiteral("View"), QStringLiteral("Help") }));
    EXPECT_EQ(
        find(nodes, QAccessible::MenuItem, QStringLiteral("View"))->text(QAccessible::Accelerator),
        QStringLiteral("Alt+V"));

    EXPECT_NE(find(nodes, QAccessible::PushButton, QStringLiteral("Exit")), nullptr);
    EXPECT_EQ(namesOf(nodes, QAccessible::RadioButton),
        (QStringList { QStringLiteral("Name"), QStringLiteral("Category") }));
    QAccessibleInterface* byName = find(nodes, QAccessible::RadioButton, QStringLiteral("Name"));
    EXPECT_TRUE(byName->state().checkable);
    EXPECT_TRUE(byName->state().checked);

    // Each painted part lies where it is drawn, inside its bar on screen.
    for (const Node& node : nodes) {
        if (node.role != QAccessible::MenuItem
            && node.iface->parent()->role() != QAccessible::TitleBar)
            continue;
        const QRect bar = node.iface->parent()->rect();
        EXPECT_FALSE(node.iface->rect().isEmpty()) << node.name.toStdString();
        EXPECT_TRUE(bar.contains(node.iface->rect())) << node.name.toStdString();
        EXPECT_EQ(node.iface->parent()->childAt(
                      node.iface->rect().center().x(), node.iface->rect().center().y()),
            node.iface)
            << node.name.toStdString();
    }
}

TEST_F(MainAccessibilityTest, ActionsDoWhatAClickDoes)
{
    writeCatalogue();
    start();
    const QList<Node> nodes = tree();

    // The radio button's toggle rebuilds the tree by category.
    QAccessibleInterface* byCategory
        = find(nodes, QAccessible::RadioButton, QStringLiteral("Category"));
    ASSERT_NE(byCategory, nullptr);
    byCategory->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(form->rbCategory->Checked());
    EXPECT_TRUE(byCategory->state().checked);
    EXPECT_TRUE(topLevelTexts().contains(QStringLiteral("*DATTIM")))
        << topLevelTexts().join(u',').toStdString();

    // A menu title drops its menu down.
    QAccessibleInterface* view = find(nodes, QAccessible::MenuItem, QStringLiteral("View"));
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->state().expanded);
    view->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QMenu* menu = form->suiForm1->MenuBarWidget()->openMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    EXPECT_TRUE(view->state().expanded);
    form->suiForm1->MenuBarWidget()->closeMenu();

    // The close button closes the window.
    QAccessibleInterface* close = find(nodes, QAccessible::PushButton, QStringLiteral("Close"));
    ASSERT_NE(close, nullptr);
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }));
}

} // namespace
