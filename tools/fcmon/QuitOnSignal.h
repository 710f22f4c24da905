#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop on SIGINT or SIGTERM, so the monitor stops as after
// --count: the port closes and a recording gets its last bytes out. The
// handler only writes a byte to a socket; the quitting happens in the loop.
class QuitOnSignal : public QObject {
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    QSocketNotifier* m_notifier = nullptr;
};
