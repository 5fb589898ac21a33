// The HTML view: "about:blank" shows an empty page, a "file://" URL shows that file.
#pragma once

#include "framework/TControl.h"

#include <QTextBrowser>

class TCppWebBrowser : public TControlBase<QTextBrowser> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
public:
    explicit TCppWebBrowser(QWidget* parent = nullptr);

    // Other schemes are ignored and the view keeps what it shows, as a failed navigation does.
    void Navigate2(const QString& url);
    // The address last shown ("about:blank" at first).
    QString LocationURL() const { return m_location; }

private:
    QString m_location = QStringLiteral("about:blank");
};
