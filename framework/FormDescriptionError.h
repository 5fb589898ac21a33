// A form description that cannot be built: names the file, the line and what was not understood.
#pragma once

#include "framework/OrlendaException.h"

class FormDescriptionError : public OrlendaException {
public:
    FormDescriptionError(
        const QString& fileName, qint64 line, const QString& name, const QString& problem);

    const QString& fileName() const { return m_fileName; }
    qint64 line() const { return m_line; }
    const QString& name() const { return m_name; }

private:
    QString m_fileName;
    qint64 m_line;
    QString m_name;
};
