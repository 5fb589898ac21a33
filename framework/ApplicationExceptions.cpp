#include "framework/ApplicationExceptions.h"

#include "catalogue/CatalogueError.h"
#include "framework/OrlendaException.h"

#include <QMessageBox>
#include <exception>

namespace ApplicationExceptions {

namespace {

void showMessageBox(const QString& message)
{
    QMessageBox box(
        QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok);
    box.exec();
}

Presenter& presenter()
{
    static Presenter current = showMessageBox;
    return current;
}

} // namespace

void setPresenter(Presenter p)
{
    presenter() = p ? std::move(p) : Presenter(showMessageBox);
}

void resetPresenter()
{
    presenter() = showMessageBox;
}

void ShowMessage(const QString& message)
{
    presenter()(message);
}

void HandleException()
{
    QString message;
    // Called outside a handler there is nothing to rethrow; terminating would be worse.
    if (!std::current_exception()) {
        ShowMessage(message);
        return;
    }
    try {
        throw;
    } catch (const OrlendaException& e) {
        message = e.message();
    } catch (const CatalogueError& e) {
        // The catalogue is Qt-free: its messages are plain UTF-8 text.
        message = QString::fromUtf8(e.what());
    } catch (...) {
        // Foreign exceptions become a framework exception without a message.
    }
    // A presenter that throws must not take the loop down with it.
    try {
        ShowMessage(message);
    } catch (...) {
    }
}

int RunStartup(const std::function<int()>& startup)
{
    try {
        return startup();
    } catch (...) {
        HandleException();
        return 1;
    }
}

} // namespace ApplicationExceptions

OrlendaApplication::OrlendaApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool OrlendaApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ApplicationExceptions::HandleException();
        return false;
    }
}
