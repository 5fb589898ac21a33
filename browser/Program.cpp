#include "browser/Program.h"

#include "browser/BrowserResources.h"
#include "browser/Main.h"
#include "browser/ProgramTitle.h"
#include "skin/styles/Suipublic.h"

#include <QApplication>

#include <memory>

namespace {

// Clears the main form before the window it names is taken down, also when an exception
// unwinds: the skin must not measure focus against a half-destroyed form.
struct MainFormScope {
    explicit MainFormScope(QWidget* form) { SetMainForm(form); }
    ~MainFormScope() { SetMainForm(nullptr); }
    MainFormScope(const MainFormScope&) = delete;
    MainFormScope& operator=(const MainFormScope&) = delete;
};

} // namespace

int RunProgram()
{
    QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
    initBrowserResources();
    QApplication::setWindowIcon(programIcon());
    // Closing the main window ends the loop; the window is destroyed before the program ends,
    // which frees the catalogue.
    const std::unique_ptr<TfmMain> fmMain(new TfmMain);
    const MainFormScope mainForm(fmMain.get());
    fmMain->show();
    QApplication::exec();
    return 0;
}
