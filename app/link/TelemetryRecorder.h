#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QTimer;

namespace recording {
class LiveRecording;
}

// Records everything the window receives while connected: each connection
// starts with a marker naming the device, then the received batches. A
// write failure stops the recording with a message; the connection and the
// display go on.
class TelemetryRecorder : public QObject {
public:
    // Microseconds from a steady clock; tests pass their own.
    using Clock = std::function<uint64_t()>;

    // Throws platform::Exception naming the file when it cannot be created.
    explicit TelemetryRecorder(const QString& path, QObject* parent = nullptr, Clock clock = {});
    ~TelemetryRecorder() override;

    void connected(const QString& device);
    void received(const QByteArray& batch);

    bool recording() const;

private:
    std::unique_ptr<recording::LiveRecording> m_recording;
    QTimer* m_flushTimer = nullptr;
};
