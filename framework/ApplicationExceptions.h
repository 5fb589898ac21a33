// The application's exception display: exceptions escaping event handlers are shown in a
// message box (error icon, OK) and the event loop goes on; one escaping start-up ends it.
#pragma once

#include <QApplication>
#include <functional>

namespace ApplicationExceptions {

// Shows one message; the default presenter opens a QMessageBox, tests install their own.
using Presenter = std::function<void(const QString& message)>;
void setPresenter(Presenter presenter);
void resetPresenter();

// Shows the exception being handled (call inside a catch block). An OrlendaException or a
// CatalogueError shows its message; any other exception type shows an empty message, as the
// framework does.
void HandleException();
void ShowMessage(const QString& message);

// Runs start-up; an exception escaping it is shown and the result is 1 (start-up ended).
int RunStartup(const std::function<int()>& startup);

} // namespace ApplicationExceptions

// The program's application object: an exception escaping any event delivery is shown and the
// loop goes on.
class OrlendaApplication : public QApplication {
    Q_OBJECT
public:
    OrlendaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
