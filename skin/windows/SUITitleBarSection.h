// One picture section of the title bar, and the collection holding them.
#pragma once

#include "framework/TCollection.h"
#include "skin/windows/SUITitleBarTypes.h"

#include <QImage>
#include <QObject>

class TsuiTitleBar;

class TsuiTitleBarSection : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(SuiTitleBarTypes::TsuiTitleBarAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
public:
    Q_INVOKABLE explicit TsuiTitleBarSection(QObject* collection = nullptr);

    bool AutoSize() const { return m_autoSize; }
    // Either value copies the picture's width into Width when there is a picture.
    void SetAutoSize(bool autoSize);
    int Width() const { return m_width; }
    void SetWidth(int width);
    TsuiTitleBarAlign Align() const { return m_align; }
    // A second suiClient section is refused with an error box.
    void SetAlign(TsuiTitleBarAlign align);
    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    bool Stretch() const { return m_stretch; }
    // A suiClient section always stretches.
    void SetStretch(bool stretch);

    void Assign(const TsuiTitleBarSection* source);

Q_SIGNALS:
    void changed();

private:
    TCollection* collection() const { return qobject_cast<TCollection*>(parent()); }

    int m_width = 10;
    TsuiTitleBarAlign m_align = TsuiTitleBarAlign::suiLeft;
    QImage m_picture;
    bool m_stretch = false;
    bool m_autoSize = false;
};

class TsuiTitleBarSections : public TCollection {
    Q_OBJECT
public:
    explicit TsuiTitleBarSections(TsuiTitleBar* titleBar);

    TsuiTitleBar* TitleBar() const;
    TsuiTitleBarSection* AddSection() { return static_cast<TsuiTitleBarSection*>(Add()); }
    TsuiTitleBarSection* Section(int index) const { return at<TsuiTitleBarSection>(index); }
    // Replaces the items with copies of `source`'s.
    void Assign(const TCollection* source);
};
