#pragma once

#include "serial/PortNames.h"

#include <QList>
#include <QObject>

#include <functional>
#include <future>

// Lists the system's serial ports, now or on a thread of its own. Asking the
// system takes tens of milliseconds, more with many USB devices: a window
// that waits for it stutters.
class PortLister : public QObject {
public:
    using Listing = std::function<QList<serial::PortEntry>()>;
    using Answer = std::function<void(const QList<serial::PortEntry>& ports)>;

    explicit PortLister(Listing listing, QObject* parent = nullptr);
    // Waits for a listing under way; its answer is dropped.
    ~PortLister() override;

    // Lists now; a listing under way is waited for and answers no one, as
    // its answer would be older.
    QList<serial::PortEntry> listNow();
    // Lists in the background and hands the ports to answer on this
    // object's thread. Asked again while a listing runs, that listing's
    // ports go to the newest answer.
    void listInBackground(Answer answer);
    // The listing under way answers no one.
    void dropAnswer() { m_answer = {}; }
    bool busy() const { return m_running.valid(); }

private:
    void finished(const QList<serial::PortEntry>& ports);

    Listing m_listing;
    Answer m_answer;
    std::future<void> m_running;
};
