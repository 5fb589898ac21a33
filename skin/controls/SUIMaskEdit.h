// The themed edit with an input mask in the framework's notation ("mask;save literals;blank").
#pragma once

#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIEditMask.h"

class TsuiMaskEdit : public TsuiEdit {
    Q_OBJECT
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QString EditText READ displayText)
public:
    explicit TsuiMaskEdit(QWidget* parent = nullptr);

    QString EditMask() const { return m_editMask; }
    // A mask that cannot be parsed raises an error and leaves mask and text as they were.
    void SetEditMask(const QString& editMask);

    // Without the literals when the mask's save-literals field is 0.
    QString Text() const;
    void SetText(const QString& text) override;

private:
    // The characters at the input positions, blanks as spaces, without trailing ones.
    QString inputCharacters() const;
    void placeInputCharacters(const QString& typed);
    QChar literalAt(qsizetype position) const;

    QString m_editMask;
    SuiEditMask m_mask;
};
