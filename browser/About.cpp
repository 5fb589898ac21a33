#include "browser/About.h"

#include "browser/BrowserResources.h"
#include "framework/FormReader.h"

#include <algorithm>

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
    // The real font may be wider than the design font: keep the designed 9-pixel gap between
    // the bold name and the version, and move both left (no closer to the icon than 8 pixels)
    // when the version would run out of the window.
    if (Label1 && Label2 && Image1 && suiForm1) {
        const int gap = 199 - (85 + 105);
        int versionLeft = std::max(Label2->Left(), Label1->Left() + Label1->Width() + gap);
        const int overflow = versionLeft + Label2->Width() - (suiForm1->Width() - 8);
        const int shift = std::clamp(
            overflow, 0, std::max(0, Label1->Left() - (Image1->Left() + Image1->Width() + 8)));
        Label1->setLeft(Label1->Left() - shift);
        Label2->setLeft(versionLeft - shift);
    }
    // A message box, not a work window: its frame offers no border to drag.
    setFixedSize(size());
}
