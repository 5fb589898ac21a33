// Writes a form back as a description that readForm builds into the same state.
// Settings differing from a freshly built instance of the component's class are written, in the
// order the class declares them, handlers (by method name) after all settings; pictures inline
// (base64 PNG); references by component name. Fails with OrlendaException when the file cannot be
// written.
#pragma once

#include <QString>

class QWidget;

void writeForm(const QWidget* form, const QString& fileName);
// The same description as text, for callers that store it elsewhere.
QByteArray formDescription(const QWidget* form);
