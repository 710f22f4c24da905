#include "app/FlightControllerApplication.h"

#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"

#include <QFont>

FlightControllerApplication::FlightControllerApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString());
    // The layout names classic faces; these are their metric twins here.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
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
