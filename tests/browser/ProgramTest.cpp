#include "browser/Program.h"
#include "MainWindowFixture.h"
#include "skin/styles/Suipublic.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace {

using ProgramTest = MainWindowFixture;

TEST_F(ProgramTest, TheMainWindowIsTheMainFormUntilItIsTakenDown)
{
    writeCatalogue();
    ASSERT_EQ(MainForm(), nullptr);
    QPointer<TfmMain> seen;
    bool shown = false;
    bool teardownSeen = false;
    QWidget* mainFormAtTeardown = nullptr;
    // Whatever goes wrong, the loop ends.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, qApp, &QCoreApplication::quit);
    watchdog.start(10000);
    QTimer::singleShot(0, qApp, [&] {
        seen = qobject_cast<TfmMain*>(MainForm());
        if (!seen)
            return;
        shown = seen->isVisible();
        // Components go while the form is being destroyed: the main form must be gone by then.
        QObject::connect(seen->tvValue, &QObject::destroyed, [&] {
            teardownSeen = true;
            mainFormAtTeardown = MainForm();
        });
        seen->btnExit->Click();
    });

    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(watchdog.isActive()) << "the loop ran until the watchdog ended it";
    EXPECT_TRUE(shown);
    EXPECT_TRUE(teardownSeen);
    EXPECT_EQ(mainFormAtTeardown, nullptr);
    EXPECT_EQ(MainForm(), nullptr);
    EXPECT_TRUE(seen.isNull()) << "the main window is destroyed when the program ends";
}

} // namespace
