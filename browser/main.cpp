#include "browser/BrowserResources.h"
#include "browser/Main.h"
#include "browser/ProgramTitle.h"
#include "framework/ApplicationExceptions.h"

#include <memory>

int main(int argc, char** argv)
{
    OrlendaApplication app(argc, argv);
    return ApplicationExceptions::RunStartup([&] {
        QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
        initBrowserResources();
        QApplication::setWindowIcon(programIcon());
        // Closing the main window ends the loop; the window is destroyed before the program
        // ends, which frees the catalogue.
        const std::unique_ptr<TfmMain> fmMain(new TfmMain);
        fmMain->show();
        QApplication::exec();
        return 0;
    });
}
