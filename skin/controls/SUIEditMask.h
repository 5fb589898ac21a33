// The framework's edit-mask notation ("mask;save literals;blank") turned into Qt's input mask.
#pragma once

#include <QChar>
#include <QString>
#include <QVector>

struct SuiEditMask {
    QString inputMask; // for QLineEdit::setInputMask, blank character included
    bool saveLiterals = true;
    QChar blank = u'_';
    QVector<bool> literal; // per text position: a fixed character, not an input one
};

// Throws OrlendaException naming the mask and the fault when it cannot be parsed.
SuiEditMask TranslateEditMask(const QString& editMask);
