#include "FormTestSupport.h"

#include "framework/ApplicationExceptions.h"
#include "framework/Event.h"
#include "framework/OrlendaException.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

FormMethod methodOf(QObject* target, const char* name)
{
    const QMetaObject* mo = target->metaObject();
    for (int i = 0; i < mo->methodCount(); ++i) {
        if (mo->method(i).name() == name)
            return FormMethod { target, mo->method(i) };
    }
    return {};
}

class EventTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplicationExceptions::setPresenter([this](const QString& m) { shown << m; });
    }
    void TearDown() override { ApplicationExceptions::resetPresenter(); }
    QStringList shown;
};

TEST_F(EventTest, AssigningReplacesTheHandlerAndTheSenderComesFirst)
{
    TestForm form;
    QObject sender;
    sender.setObjectName("btnExit");
    Event<> click;
    EXPECT_FALSE(click);
    click(&sender); // no handler: nothing happens

    ASSERT_TRUE(click.bind(methodOf(&form, "ControlClick")));
    EXPECT_EQ(click.method().name(), "ControlClick");
    click(&sender);
    ASSERT_TRUE(click.bind(methodOf(&form, "OtherClick")));
    click(&sender);
    EXPECT_EQ(form.log, QStringList({ "click:btnExit", "other:btnExit" }));

    QStringList lambdaLog;
    click = [&lambdaLog](QObject* s) { lambdaLog << s->objectName(); };
    EXPECT_FALSE(click.method().isValid()) << "a plain handler is no form method";
    click(&sender);
    EXPECT_EQ(lambdaLog, QStringList({ "btnExit" }));
    EXPECT_EQ(form.log.size(), 2);

    click = nullptr;
    EXPECT_FALSE(click);
}

TEST_F(EventTest, AMethodOfAnotherShapeIsRefusedAndArgumentsArePassedOn)
{
    TestForm form;
    Event<> click;
    click = [](QObject*) {};
    EXPECT_FALSE(click.bind(methodOf(&form, "WrongShape")));
    EXPECT_FALSE(click.bind(methodOf(&form, "NodeChange")));
    EXPECT_TRUE(click) << "a refused binding leaves the old handler";

    Event<QTreeWidgetItem*> change;
    ASSERT_TRUE(change.bind(methodOf(&form, "NodeChange")));
    QTreeWidgetItem node({ "QDATE" });
    change(&form, &node);
    change(&form, nullptr);
    EXPECT_EQ(form.log, QStringList({ "change:QDATE", "change:none" }));
}

TEST_F(EventTest, AHandlerOfADeletedFormIsNotCalled)
{
    auto form = std::make_unique<TestForm>();
    Event<> click;
    ASSERT_TRUE(click.bind(methodOf(form.get(), "ControlClick")));
    form.reset();
    QObject sender;
    click(&sender);
    SUCCEED();
}

TEST_F(EventTest, ExceptionsFromHandlersAreShownAndTheLoopGoesOn)
{
    Event<> tick;
    int calls = 0;
    tick = [&calls](QObject*) {
        ++calls;
        if (calls == 1)
            throw OrlendaException("Catalogue cannot be shown");
        if (calls == 2)
            throw std::runtime_error("foreign");
    };
    QObject sender;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        tick(&sender);
        if (calls == 3)
            loop.quit();
    });
    timer.start();
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0);
    EXPECT_EQ(calls, 3);
    // A foreign exception shows as an empty message, as the framework does.
    EXPECT_EQ(shown, QStringList({ "Catalogue cannot be shown", "" }));

    TestForm form;
    Event<> bound;
    ASSERT_TRUE(bound.bind(methodOf(&form, "Throwing")));
    bound(&form);
    EXPECT_EQ(shown.size(), 3);
}

TEST_F(EventTest, StartUpEndsWithAShownMessageWhenAnExceptionEscapes)
{
    EXPECT_EQ(ApplicationExceptions::RunStartup([] { return 0; }), 0);
    EXPECT_TRUE(shown.isEmpty());
    bool after = false;
    const int result = ApplicationExceptions::RunStartup([&after]() -> int {
        throw OrlendaException("orlenda.dat is damaged");
        after = true;
        return 0;
    });
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(after);
    EXPECT_EQ(shown, QStringList({ "orlenda.dat is damaged" }));
    EXPECT_EQ(ApplicationExceptions::RunStartup([]() -> int { throw 42; }), 1);
    EXPECT_EQ(shown.last(), "");

    // Asked to show "the current exception" when there is none, it shows an empty message.
    ApplicationExceptions::HandleException();
    EXPECT_EQ(shown.size(), 3);
}

} // namespace
