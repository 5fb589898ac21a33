#include "FormTestSupport.h"

#include "framework/FormReader.h"
#include "framework/TButton.h"
#include "framework/TCppWebBrowser.h"
#include "framework/TImageList.h"
#include "framework/TLabel.h"
#include "framework/TRadioButton.h"
#include "framework/TTreeView.h"

#include <QDir>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(TRadioButtonTest, ClickIsRaisedOnlyWhenBecomingCheckedAndSiblingsAreExclusive)
{
    TPanel panel;
    TPanel otherPanel;
    auto* name = new TRadioButton(&panel);
    auto* category = new TRadioButton(&panel);
    auto* elsewhere = new TRadioButton(&otherPanel);
    QStringList clicks;
    name->setObjectName("rbName");
    category->setObjectName("rbCategory");
    for (TRadioButton* b : { name, category, elsewhere })
        b->OnClick = [&clicks](QObject* s) { clicks << s->objectName(); };
    name->setCaption("Name");
    category->setCaption("Category");
    name->setGeometry(0, 0, 80, 20);
    category->setGeometry(0, 30, 80, 20);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    name->setChecked(true);
    elsewhere->setChecked(true);
    EXPECT_EQ(clicks, QStringList({ "rbName", "" }));
    clicks.clear();

    QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(name->Checked()) << "a click on the checked button keeps it checked";
    EXPECT_TRUE(clicks.isEmpty()) << "and raises nothing";

    QTest::mouseClick(category, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(category->Checked());
    EXPECT_FALSE(name->Checked());
    EXPECT_TRUE(elsewhere->Checked()) << "another parent is another group";
    EXPECT_EQ(clicks, QStringList({ "rbCategory" }));

    // Unchecking by setting works and is no click.
    category->setChecked(false);
    EXPECT_FALSE(category->Checked());
    EXPECT_EQ(clicks.size(), 1);
}

TEST(TButtonTest, ModalResultOfTheClickedButtonEndsShowModal)
{
    TForm dialog;
    dialog.resize(200, 100);
    auto* ok = new TButton(&dialog);
    ok->setCaption("&OK");
    ok->setModalResult(ControlTypes::mrOk);
    ok->setGeometry(10, 10, 80, 27);
    QStringList order;
    ok->OnClick = [&](QObject*) { order << QStringLiteral("click:%1").arg(dialog.ModalResult()); };

    QTimer::singleShot(
        0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center()); });
    EXPECT_EQ(dialog.ShowModal(), ControlTypes::mrOk);
    EXPECT_EQ(order, QStringList({ "click:1" })) << "the result is set before OnClick";
    EXPECT_FALSE(dialog.isVisible());

    // Closing instead of OK ends it as well, with mrCancel; each showing starts afresh.
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.Close(); });
    EXPECT_EQ(dialog.ShowModal(), ControlTypes::mrCancel);

    // A button without a modal result leaves the modal loop running.
    auto* plain = new TButton(&dialog);
    QTimer::singleShot(0, plain, [&] {
        plain->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.setModalResult(7);
    });
    EXPECT_EQ(dialog.ShowModal(), 7);
}

TEST(TCppWebBrowserTest, BlankShowsNothingAndFileUrlsShowTheFileReadAnewEachTime)
{
    QTemporaryDir dir;
    TCppWebBrowser view;
    const QString path = FormTest::writeFile(dir, "item.html", "<html><body>first</body></html>");
    const QString url = QUrl::fromLocalFile(path).toString();
    view.Navigate2(url);
    EXPECT_EQ(view.toPlainText(), "first");
    FormTest::writeFile(dir, "item.html", "<html><body>second</body></html>");
    view.Navigate2(url);
    EXPECT_EQ(view.toPlainText(), "second");

    view.Navigate2("http://example.invalid/");
    EXPECT_EQ(view.toPlainText(), "second") << "a failed navigation keeps the page";
    view.Navigate2(QUrl::fromLocalFile(dir.filePath("missing.html")).toString());
    EXPECT_EQ(view.toPlainText(), "second");

    view.Navigate2("about:blank");
    EXPECT_TRUE(view.toPlainText().isEmpty());
    EXPECT_EQ(view.LocationURL(), "about:blank");
}

TEST(TCppWebBrowserTest, AFileUrlOfAnUnescapedPathShowsThatFileWhateverItsFolderIsCalled)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // '#' would start a fragment, "%20" would decode to a space and '?' would start a query.
    const QString odd = dir.filePath(QStringLiteral("C# 100%20 done?"));
    ASSERT_TRUE(QDir().mkpath(odd));
    const QString page = FormTest::writeFile(
        dir, "C# 100%20 done?/item.html", "<html><body>odd folder</body></html>");
    // What the text before the '#' names, were the path read as a URL.
    FormTest::writeFile(dir, "C", "<html><body>decoy</body></html>");

    TCppWebBrowser view;
    view.Navigate2(QStringLiteral("file://") + page);
    EXPECT_EQ(view.toPlainText(), "odd folder");
    EXPECT_EQ(view.LocationURL(), QStringLiteral("file://") + page);

    // Read as a URL, "%20" in an existing path would name another folder: the literal path wins.
    const QString spaced = dir.filePath(QStringLiteral("100 x"));
    const QString percent = dir.filePath(QStringLiteral("100%20x"));
    ASSERT_TRUE(QDir().mkpath(spaced) && QDir().mkpath(percent));
    FormTest::writeFile(dir, "100 x/item.html", "<html><body>space</body></html>");
    FormTest::writeFile(dir, "100%20x/item.html", "<html><body>percent</body></html>");
    view.Navigate2(QStringLiteral("file://") + percent + QStringLiteral("/item.html"));
    EXPECT_EQ(view.toPlainText(), "percent");
    // A proper URL of the same file still works.
    view.Navigate2(QUrl::fromLocalFile(spaced + QStringLiteral("/item.html")).toString());
    EXPECT_EQ(view.toPlainText(), "space");
}

// Counts the resizes one widget receives.
class ResizeCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            ++count;
        return false;
    }
};

TEST(TCppWebBrowserTest, LongAndShortPagesAreLaidOutAtOneWidthAndTheBlankPageHasNoScrollBar)
{
    QTemporaryDir dir;
    QByteArray longPage = "<html><body>";
    for (int i = 0; i < 200; ++i)
        longPage += "<p>line of a long page</p>";
    longPage += "</body></html>";
    const QString longUrl
        = QUrl::fromLocalFile(FormTest::writeFile(dir, "long.html", longPage)).toString();
    const QString shortUrl = QUrl::fromLocalFile(
        FormTest::writeFile(dir, "short.html", "<html><body>short</body></html>"))
                                 .toString();
    TCppWebBrowser view;
    view.resize(300, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());

    view.Navigate2(longUrl);
    ResizeCounter resizes;
    view.viewport()->installEventFilter(&resizes);
    // A width change would lay the page out a second time.
    view.Navigate2(shortUrl);
    view.Navigate2(longUrl);
    view.Navigate2(shortUrl);
    EXPECT_EQ(resizes.count, 0);
    EXPECT_EQ(view.toPlainText(), "short");
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());

    view.Navigate2("about:blank");
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());
    EXPECT_TRUE(view.toPlainText().isEmpty());
}

TEST(TLabelTest, AcceleratorMarksAreNotShown)
{
    EXPECT_EQ(TLabel::displayText("&OK"), "OK");
    EXPECT_EQ(TLabel::displayText("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(TLabel::displayText("E&xit"), "Exit");
    EXPECT_EQ(TLabel::displayText("end&"), "end&");
}

TEST(TTreeViewTest, ChangeCarriesTheSenderAndTheNewNode)
{
    TestForm form;
    auto* tree = new TTreeView(&form);
    tree->setObjectName("tvValue");
    QObject* sender = nullptr;
    QStringList nodes;
    tree->OnChange = [&](QObject* s, QTreeWidgetItem* node) {
        sender = s;
        nodes << (node ? node->text(0) : "none");
    };
    auto* group = new QTreeWidgetItem(tree, { "QA" });
    auto* value = new QTreeWidgetItem(group, { "QABNORMSW" });
    tree->setCurrentItem(value);
    tree->setCurrentItem(group);
    tree->clearNodes();
    EXPECT_EQ(sender, tree);
    EXPECT_EQ(nodes, QStringList({ "QABNORMSW", "QA", "none" }));
}

TEST(TTreeViewTest, AMouseClickRaisesChangeOnceWithTheClickedNodeAlreadySelected)
{
    TestForm form;
    form.resize(200, 200);
    auto* tree = new TTreeView(&form);
    tree->setBounds(QRect(0, 0, 200, 200));
    auto* first = new QTreeWidgetItem(tree, { "QA" });
    auto* second = new QTreeWidgetItem(tree, { "QB" });
    QStringList seen;
    tree->OnChange = [&](QObject*, QTreeWidgetItem* node) {
        const QList<QTreeWidgetItem*> selected = tree->selectedItems();
        seen << QStringLiteral("%1/%2").arg(
            node ? node->text(0) : "none", selected.isEmpty() ? "none" : selected.first()->text(0));
    };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(second).center());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(second).center());
    QTest::keyClick(tree, Qt::Key_Up);
    EXPECT_EQ(seen, QStringList({ "QB/QB", "QA/QA" }));
    EXPECT_EQ(tree->currentItem(), first);
}

// A strip of 16 x 16 images in the given colours, without a key colour to mask.
QImage strip(std::initializer_list<QRgb> colours)
{
    QImage image(16 * int(colours.size()), 16, QImage::Format_ARGB32);
    int x = 0;
    for (QRgb colour : colours) {
        for (int y = 0; y < 16; ++y)
            for (int i = 0; i < 16; ++i)
                image.setPixel(x + i, y, colour);
        x += 16;
    }
    return image;
}

QRgb iconCentre(const QTreeWidgetItem* node)
{
    return node->icon(0).pixmap(16, 16).toImage().pixel(8, 8);
}

TEST(TTreeViewTest, NodesShowTheirImageAndFollowAChangedImageList)
{
    TestForm form;
    auto* images = new TImageList(&form);
    images->setMasked(false);
    images->setBitmap(strip({ qRgb(200, 0, 0), qRgb(0, 0, 200) }));
    auto* tree = new TTreeView(&form);
    tree->setImages(images);
    auto* group = new QTreeWidgetItem(tree, { "QA" });
    auto* first = new QTreeWidgetItem(group, { "QABNORMSW" });
    auto* second = new QTreeWidgetItem(group, { "QACGLVL" });
    tree->setImageIndex(group, 0);
    tree->setImageIndex(first, 1);
    tree->setImageIndex(second, 1);
    EXPECT_EQ(iconCentre(group), qRgb(200, 0, 0));
    EXPECT_EQ(iconCentre(first), qRgb(0, 0, 200));
    EXPECT_EQ(iconCentre(second), qRgb(0, 0, 200));

    // New pictures reach the nodes already shown and the nodes added later.
    images->setBitmap(strip({ qRgb(0, 160, 0), qRgb(90, 90, 90) }));
    EXPECT_EQ(iconCentre(group), qRgb(0, 160, 0));
    EXPECT_EQ(iconCentre(first), qRgb(90, 90, 90));
    auto* third = new QTreeWidgetItem(group, { "QACTJOB" });
    tree->setImageIndex(third, 1);
    EXPECT_EQ(iconCentre(third), qRgb(90, 90, 90));

    // An index the list does not have, or no list at all, shows no picture.
    tree->setImageIndex(third, 2);
    EXPECT_TRUE(third->icon(0).isNull());
    images->Clear();
    EXPECT_TRUE(first->icon(0).isNull());
}

} // namespace

namespace {

TEST(TPanelTest, BevelsAreOnePixelRingsAndNarrowTheDockingArea)
{
    TPanel panel;
    panel.setColor(QColor(0xE8, 0xE8, 0xE8));
    panel.setBevelOuter(ControlTypes::TBevelCut::bvLowered);
    panel.setBevelInner(ControlTypes::TBevelCut::bvRaised);
    panel.setBorderWidth(2);
    EXPECT_EQ(panel.frameWidth(), 4);
    EXPECT_EQ(panel.contentsMargins(), QMargins(4, 4, 4, 4));

    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    panel.paintPanel(painter, image.rect());
    painter.end();
    const QRgb light = panel.palette().color(QPalette::Light).rgb();
    const QRgb dark = panel.palette().color(QPalette::Dark).rgb();
    const QRgb face = qRgb(0xE8, 0xE8, 0xE8);
    // Lowered outside: dark top and left, light bottom and right.
    EXPECT_EQ(image.pixel(5, 0), dark);
    EXPECT_EQ(image.pixel(0, 5), dark);
    EXPECT_EQ(image.pixel(5, 9), light);
    EXPECT_EQ(image.pixel(19, 5), light);
    // Two pixels of border in the panel's colour, then the raised inner ring.
    EXPECT_EQ(image.pixel(5, 1), face);
    EXPECT_EQ(image.pixel(5, 2), face);
    EXPECT_EQ(image.pixel(5, 3), light);
    EXPECT_EQ(image.pixel(3, 5), light);
    EXPECT_EQ(image.pixel(5, 6), dark);
    EXPECT_EQ(image.pixel(16, 5), dark);
    EXPECT_EQ(image.pixel(8, 4), face);
}

} // namespace
