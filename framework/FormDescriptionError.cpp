#include "framework/FormDescriptionError.h"

FormDescriptionError::FormDescriptionError(
    const QString& fileName, qint64 line, const QString& name, const QString& problem)
    : OrlendaException(name.isEmpty()
            ? QStringLiteral("%1(%2): %3").arg(fileName).arg(line).arg(problem)
            : QStringLiteral("%1(%2): %3 \"%4\"").arg(fileName).arg(line).arg(problem, name))
    , m_fileName(fileName)
    , m_line(line)
    , m_name(name)
{
}
