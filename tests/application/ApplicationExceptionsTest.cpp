#include "catalogue/OrlendaData.h"
#include "framework/ApplicationExceptions.h"
#include "framework/FormDescriptionError.h"
#include "framework/FormReader.h"
#include "framework/TButton.h"
#include "framework/TForm.h"

#include <QBuffer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Collects what the application would show instead of opening a message box.
class ApplicationExceptionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ApplicationExceptions::setPresenter([this](const QString& m) { shown << m; });
    }
    void TearDown() override { ApplicationExceptions::resetPresenter(); }

    // Runs an event loop over the queued events, then one more; true when that one arrived.
    static bool laterEventArrives()
    {
        QEventLoop loop;
        bool delivered = false;
        QTimer::singleShot(0, qApp, [&] {
            delivered = true;
            loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        return delivered;
    }

    QStringList shown;
};

TEST_F(ApplicationExceptionsTest, TheProgramRunsOnTheApplicationObjectThatCatches)
{
    ASSERT_NE(qobject_cast<OrlendaApplication*>(qApp), nullptr);
}

TEST_F(ApplicationExceptionsTest, AnExceptionFromAClickHandlerIsShownAndLaterClicksStillArrive)
{
    TForm form;
    form.resize(200, 100);
    auto* failing = new TButton(&form);
    auto* working = new TButton(&form);
    failing->setGeometry(10, 10, 80, 25);
    working->setGeometry(100, 10, 80, 25);
    int attempts = 0;
    int clicks = 0;
    failing->OnClick = [&](QObject*) {
        ++attempts;
        throw OrlendaException(QStringLiteral("Cannot read the value"));
    };
    working->OnClick = [&](QObject*) { ++clicks; };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QTest::mouseClick(failing, Qt::LeftButton, {}, failing->rect().center());
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(shown, QStringList { QStringLiteral("Cannot read the value") });

    // The same button and its neighbour go on working: the press state was not left behind.
    QTest::mouseClick(failing, Qt::LeftButton, {}, failing->rect().center());
    QTest::mouseClick(working, Qt::LeftButton, {}, working->rect().center());
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shown.size(), 2);
}

TEST_F(
    ApplicationExceptionsTest, TheEventLoopGoesOnAfterAHandlerThrowsAndForeignExceptionsShowNoText)
{
    QTimer::singleShot(0, qApp, [] { throw OrlendaException(QStringLiteral("first")); });
    QTimer::singleShot(0, qApp, [] { throw std::runtime_error("not one of ours"); });
    QTimer::singleShot(0, qApp, [] { throw 42; });
    EXPECT_TRUE(laterEventArrives());
    // Foreign exceptions become the framework's exception without a message.
    EXPECT_EQ(shown, QStringList({ QStringLiteral("first"), QString(), QString() }));
}

TEST_F(ApplicationExceptionsTest, ACatalogueIndexOutOfRangeShowsTheCataloguesMessage)
{
    // No file behind the name: an empty catalogue, so every index is outside it.
    OrlendaData data("no such catalogue.dat");
    QTimer::singleShot(0, qApp, [&] { data.GetItem(5); });
    EXPECT_TRUE(laterEventArrives());
    EXPECT_EQ(shown, QStringList { QStringLiteral("List index out of bounds (5)") });
}

TEST_F(ApplicationExceptionsTest, APresenterThatThrowsDoesNotEndTheLoop)
{
    ApplicationExceptions::setPresenter([](const QString&) { throw std::runtime_error("again"); });
    QTimer::singleShot(0, qApp, [] { throw OrlendaException(QStringLiteral("x")); });
    EXPECT_TRUE(laterEventArrives());
}

TEST_F(ApplicationExceptionsTest, TheDefaultDisplayIsAnErrorBoxWithOk)
{
    ApplicationExceptions::resetPresenter();
    QApplication::setApplicationName(QStringLiteral("Orlenda test"));
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    // The box runs its own loop; a timer inside it reads and closes it.
    QTimer::singleShot(
        0, qApp, [] { throw OrlendaException(QStringLiteral("Invalid property value")); });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }, 5000));
    closer.stop();
    EXPECT_EQ(text, QStringLiteral("Invalid property value"));
    EXPECT_EQ(title, QStringLiteral("Orlenda test"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 5000));
}

TEST_F(ApplicationExceptionsTest, AnExceptionEndingStartUpIsShownAndGivesOne)
{
    EXPECT_EQ(ApplicationExceptions::RunStartup([] { return 0; }), 0);
    EXPECT_TRUE(shown.isEmpty());

    EXPECT_EQ(ApplicationExceptions::RunStartup(
                  []() -> int { throw OrlendaException(QStringLiteral("no main window")); }),
        1);
    EXPECT_EQ(ApplicationExceptions::RunStartup([]() -> int { throw std::bad_alloc(); }), 1);
    EXPECT_EQ(shown, QStringList({ QStringLiteral("no main window"), QString() }));
}

TEST_F(ApplicationExceptionsTest, ABrokenMainFormDescriptionEndsStartUpWithItsFileAndLine)
{
    bool loopRan = false;
    const int result = ApplicationExceptions::RunStartup([&] {
        TForm form;
        QBuffer description;
        description.setData(
            "<form class=\"TForm\">\n  <object class=\"TNoSuchThing\" name=\"x\"/>\n"
            "</form>\n");
        description.open(QIODevice::ReadOnly);
        readForm(&form, &description, QStringLiteral(":/forms/Broken.xml"));
        loopRan = true;
        return 0;
    });
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(shown,
        QStringList {
            QStringLiteral(":/forms/Broken.xml(2): unknown component class \"TNoSuchThing\"") });
}

} // namespace
