// A status strip, docked to the bottom; either one simple panel or a Panels collection.
#pragma once

#include "framework/TCollection.h"
#include "framework/TControl.h"

#include <QStatusBar>

class QLabel;

class TStatusBar : public TControlBase<QStatusBar> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(TCollection* Panels READ Panels)
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE setSimplePanel)
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE setSimpleText)
    Q_PROPERTY(bool SizeGrip READ SizeGrip WRITE setSizeGrip)
public:
    explicit TStatusBar(QWidget* parent = nullptr);

    TCollection* Panels() const { return m_panels; }
    bool SimplePanel() const { return m_simplePanel; }
    void setSimplePanel(bool simple);
    QString SimpleText() const { return m_simpleText; }
    void setSimpleText(const QString& text);
    // QStatusBar::isSizeGripEnabled().
    bool SizeGrip() const { return isSizeGripEnabled(); }
    void setSizeGrip(bool grip) { setSizeGripEnabled(grip); }

    // The labels showing the panels, in panel order (none while SimplePanel is on).
    QList<QLabel*> panelLabels() const { return m_labels; }

private:
    void rebuild();

    TCollection* m_panels;
    QList<QLabel*> m_labels;
    QLabel* m_simpleLabel;
    QString m_simpleText;
    bool m_simplePanel = false;
};
