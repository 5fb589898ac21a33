// The About window: program name and version, closed with OK or the frame's close button.
#pragma once

#include "framework/TForm.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "skin/controls/SUIButton.h"

class TfmAbout : public TForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* suiForm1 MEMBER suiForm1)
    Q_PROPERTY(TImage* Image1 MEMBER Image1)
    Q_PROPERTY(TLabel* Label1 MEMBER Label1)
    Q_PROPERTY(TLabel* Label2 MEMBER Label2)
    Q_PROPERTY(TsuiButton* btnOK MEMBER btnOK)
public:
    static constexpr const char* kFormDescription = ":/forms/About.xml";

    explicit TfmAbout(QWidget* owner = nullptr);

    TPanel* suiForm1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TsuiButton* btnOK = nullptr;
};
