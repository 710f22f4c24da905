#include "app/FlightControllerApplication.h"

#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"

FlightControllerApplication::FlightControllerApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString());
}

bool FlightControllerApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showException(std::current_exception());
        return true;
    }
}

void showException(const std::exception_ptr& exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const platform::Exception& error) {
        platform::ShowError(error.message());
    } catch (const std::exception& error) {
        platform::ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        platform::ShowError(QString());
    }
}
