// One menu choice or submenu; its sub-items are its child TMenuItems, in order.
#pragma once

#include "framework/Component.h"
#include "framework/Event.h"

#include <QObject>

class QPainter;
class QRect;

class TMenuItem : public QObject, public Component {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(bool RadioItem READ RadioItem WRITE setRadioItem)
    // Key code in the low byte, scShift/scCtrl/scAlt above it (framework/ShortCut.h); 0 for none.
    Q_PROPERTY(int ShortCut READ ShortCut WRITE setShortCut)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(FormMethod OnClick READ onClickHandler WRITE setOnClickHandler)
public:
    explicit TMenuItem(QObject* parent = nullptr);

    Event<> OnClick;
    // Owner-drawn menus measure and draw the item through these; a themed menu installs its own.
    Event<QPainter&, int&, int&> OnMeasureItem;
    Event<QPainter&, const QRect&, bool> OnDrawItem;

    // "&" marks the accelerator; "-" alone makes a separator.
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    // The menu's default choice, shown in bold.
    bool Default() const { return m_default; }
    void setDefault(bool isDefault);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString Hint() const { return m_hint; }
    void setHint(const QString& hint);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    bool RadioItem() const { return m_radioItem; }
    void setRadioItem(bool radio);
    int ShortCut() const { return m_shortCut; }
    void setShortCut(int shortCut);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    bool IsSeparator() const { return m_caption == QLatin1String("-"); }

    QList<TMenuItem*> Items() const;
    int Count() const { return int(Items().size()); }
    TMenuItem* Item(int index) const { return Items().value(index); }
    TMenuItem* Parent() const { return qobject_cast<TMenuItem*>(parent()); }

    // Raises OnClick with the item as the sender.
    void Click();

    FormMethod onClickHandler() const { return OnClick.method(); }
    void setOnClickHandler(const FormMethod& m) { OnClick.bind(m); }

Q_SIGNALS:
    // The item or one below it changed; menus showing it rebuild.
    void changed();

protected:
    void childEvent(QChildEvent* event) override;

private:
    QString m_caption;
    QString m_hint;
    int m_imageIndex = -1;
    int m_shortCut = 0;
    bool m_checked = false;
    bool m_default = false;
    bool m_enabled = true;
    bool m_radioItem = false;
    bool m_visible = true;
};
