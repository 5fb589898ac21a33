#include "browser/Program.h"
#include "framework/ApplicationExceptions.h"

int main(int argc, char** argv)
{
    OrlendaApplication app(argc, argv);
    return ApplicationExceptions::RunStartup(RunProgram);
}
