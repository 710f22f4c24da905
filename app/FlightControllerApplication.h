#pragma once

#include <QApplication>

// The application object: an exception that escapes an event handler is
// shown in the standard error box and the message loop goes on. The
// classic faces the layout names are mapped to the fonts we ship.
class FlightControllerApplication : public QApplication {
public:
    FlightControllerApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the message of an exception in the standard error box; one of a
// foreign type is shown with an empty message.
void showException(const std::exception_ptr& exception);
