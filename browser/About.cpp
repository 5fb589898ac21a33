#include "browser/About.h"

#include "browser/BrowserResources.h"
#include "framework/FormReader.h"

TfmAbout::TfmAbout(QWidget* owner)
    : TForm(owner)
{
    initBrowserResources();
    readForm(this, QString::fromLatin1(kFormDescription));
}
