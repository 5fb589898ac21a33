#include "framework/TMDIClient.h"

TMDIClient::TMDIClient(QWidget* parent)
    : TControlBase<QMdiArea>(parent)
{
    setObjectName(QStringLiteral("MDIClient"));
    setAlign(ControlTypes::TAlign::alClient);
}
