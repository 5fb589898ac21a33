#include "browser/About.h"

#include "browser/BrowserResources.h"
#include "framework/FormReader.h"

TfmAbout::TfmAbout(QWidget* owner)
    : TForm(owner)
{
    initBrowserResources();
    readForm(this, QString::fromLatin1(kFormDescription));
    // The stored label widths are those of the design font; auto-sized labels fit the font
    // they really got once loading is over.
    for (TLabel* label : { Label1, Label2 }) {
        if (label && label->AutoSize()) {
            label->setAutoSize(false);
            label->setAutoSize(true);
        }
    }
    // A message box, not a work window: its frame offers no border to drag.
    setFixedSize(size());
}
