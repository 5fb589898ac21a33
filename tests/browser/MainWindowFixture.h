// A main window started from a temporary working directory that holds a small catalogue.
#pragma once

#include "browser/Main.h"
#include "catalogue/OrlendaWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

inline tagSysValItem testRecord(const char* name, int category, const char* description = "")
{
    tagSysValItem item;
    std::strncpy(item.szName, name, sizeof item.szName - 1);
    item.nCategory = category;
    item.nValueType = 1;
    std::strncpy(item.szLength, "10", sizeof item.szLength - 1);
    item.strDescription = description;
    item.strDetail = std::string("<p>Detail of ") + name + "</p>";
    return item;
}

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override
    {
        form.reset();
        QDir::setCurrent(previousDir);
    }

    void writeCatalogue()
    {
        OrlendaWriter writer;
        writer.AddItem(testRecord("QTIME", 1, "Time of day"));
        writer.AddItem(testRecord("QDATE", 1, "System date"));
        writer.AddItem(testRecord("QACGLVL", 4, "Accounting level"));
        writer.AddItem(testRecord("QSECURITY", 5, "Security level"));
        writer.AddItem(testRecord("QABNORMSW", 7, "Previous end"));
        ASSERT_TRUE(writer.Save("orlenda.dat"));
    }

    TfmMain* start()
    {
        form = std::make_unique<TfmMain>();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form.get();
    }

    QStringList topLevelTexts() const
    {
        QStringList texts;
        for (int i = 0; i < form->tvValue->topLevelItemCount(); ++i)
            texts << form->tvValue->topLevelItem(i)->text(0);
        return texts;
    }

    QTemporaryDir dir;
    QString previousDir;
    std::unique_ptr<TfmMain> form;
};
