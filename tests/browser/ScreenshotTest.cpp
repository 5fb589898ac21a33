// Writes screenshots of both windows with the real catalogue when ORLENDA_SCREENSHOT_DIR is set
// (run under xvfb-run for the platform's own fonts and frames); skipped otherwise.
#include "browser/About.h"
#include "browser/Main.h"

#include <QDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(Screenshots, MainWindowWithAGroupAndAnItemPageAndTheAboutWindow)
{
    const QString out = qEnvironmentVariable("ORLENDA_SCREENSHOT_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "ORLENDA_SCREENSHOT_DIR not set";
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(ORLENDA_BINARY_DIR "/bin"));
    {
        TfmMain form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_GT(form.tvValue->topLevelItemCount(), 0) << "no orlenda.dat in the bin folder";

        QTreeWidgetItem* group = form.tvValue->topLevelItem(0);
        form.tvValue->setCurrentItem(group);
        QTest::qWait(100);
        EXPECT_TRUE(form.grab().save(out + QStringLiteral("/main-group-page.png")));

        QTreeWidgetItem* item = group->child(qMin(1, group->childCount() - 1));
        form.tvValue->setCurrentItem(item);
        QTest::qWait(100);
        EXPECT_TRUE(form.grab().save(out + QStringLiteral("/main-item-page.png")));

        QTimer::singleShot(200, [&] {
            if (auto* about = qobject_cast<TfmAbout*>(QApplication::activeModalWidget())) {
                EXPECT_TRUE(about->grab().save(out + QStringLiteral("/about.png")));
                about->btnOK->Click();
            }
        });
        form.miHelpAbout->Click();
    }
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/about.png")));
}

} // namespace
