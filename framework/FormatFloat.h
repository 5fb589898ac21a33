// The runtime's float formatter: a value shown through a format mask ("0" digit, "#" optional
// digit, "." decimal separator, "," thousands grouping, "positive;negative;zero" sections).
#pragma once

#include <QLocale>
#include <QString>

// Quoted text ('...' or "...") is copied as it stands; any other character is a literal. A
// negative value shown by the first section gets a leading "-"; a negative section brings its own.
// Non-finite values are written as the locale writes them ("inf", "nan").
QString FormatFloat(const QString& mask, double value, const QLocale& locale = QLocale());
