// Test entry of the application-object tests: the program's own OrlendaApplication, so events go
// through its exception handling exactly as in the program.
#include "framework/ApplicationExceptions.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OrlendaApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
