#include "FormTestSupport.h"

#include "framework/FormReader.h"
#include "framework/TImageList.h"
#include "framework/TMainMenu.h"
#include "framework/TTreeView.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

TEST(ComponentTest, EveryComponentOfAFormHearsOfARemovalAndDropsItsReference)
{
    TForm form;
    auto* list = new TImageList(&form);
    auto* tree = new TTreeView(&form);
    auto* menu = new TMainMenu(&form);
    auto* watcher = new RecordingComponent(&form);
    auto* buddy = new RecordingComponent(&form);
    tree->setImages(list);
    menu->setImages(list);
    watcher->setBuddy(buddy);
    EXPECT_EQ(watcher->notes, QStringList({ "insert:other" }));

    delete list;
    EXPECT_EQ(tree->Images(), nullptr);
    EXPECT_EQ(menu->Images(), nullptr);
    EXPECT_EQ(watcher->notes.last(), "remove:other");

    delete buddy;
    EXPECT_EQ(watcher->Buddy(), nullptr);
    EXPECT_TRUE(watcher->notes.contains("remove:buddy"));
    EXPECT_EQ(form.ComponentCount(), 3);
}

TEST(ComponentTest, AComponentOnAnotherFormIsHeardOfThroughFreeNotification)
{
    TForm a;
    auto buddyForm = std::make_unique<TForm>();
    auto* watcher = new RecordingComponent(&a);
    auto* buddy = new RecordingComponent(buddyForm.get());
    watcher->setBuddy(buddy);
    EXPECT_EQ(watcher->Owner(), &a);
    EXPECT_EQ(buddy->Owner(), buddyForm.get());

    buddyForm.reset();
    EXPECT_EQ(watcher->Buddy(), nullptr);

    // A watcher that goes first leaves nothing dangling behind in the one it watched.
    TForm b;
    auto* other = new RecordingComponent(&b);
    auto* shortLived = new RecordingComponent(&a);
    shortLived->setBuddy(other);
    delete shortLived;
    delete other; // must not reach the deleted watcher
    SUCCEED();
}

TEST(ComponentTest, FormDestructionRaisesOnDestroyBeforeTheComponentsGo)
{
    QTemporaryDir dir;
    QStringList log;
    QPointer<TPanel> panel;
    {
        TestForm form;
        form.destroyLog = &log;
        readForm(&form, FormTest::writeFile(dir, "f.xml", R"(<form class="TestForm" name="f">
  <property name="OnDestroy">FormDestroy</property>
  <object class="TPanel" name="pnlMain"><object class="TPanel" name="inner"/></object>
  <object class="TImageList" name="il"/>
</form>)"));
        panel = form.pnlMain;
    }
    EXPECT_EQ(log, QStringList({ "destroy:3" }));
    EXPECT_TRUE(panel.isNull());
}

TEST(ComponentTest, ReleasedFormRaisesOnDestroyWhileWholeAndOwnedFormsGoWithTheirOwner)
{
    QStringList log;
    auto* owner = new TForm;
    auto* owned = new TestForm(owner);
    owned->OnDestroy = [&log](QObject*) { log << "owned destroyed"; };
    EXPECT_EQ(owned->Owner(), owner);
    QPointer<TestForm> guard(owned);
    owned->Release();
    EXPECT_FALSE(guard.isNull()) << "Release waits for the current event to finish";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(log, QStringList({ "owned destroyed" }));
    EXPECT_EQ(owner->ComponentCount(), 0);
    delete owner;
}

} // namespace
