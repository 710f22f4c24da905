#include "app/link/TelemetryRecorder.h"

#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"
#include "recording/LiveRecording.h"

#include <QTimer>

namespace {

// The recording reaches the disk within a second even on a quiet link.
constexpr int kFlushTickMs = 100;

} // namespace

TelemetryRecorder::TelemetryRecorder(const QString& path, QObject* parent, Clock clock)
    : QObject(parent)
    , m_flushTimer(new QTimer(this))
{
    std::string error;
    m_recording = recording::LiveRecording::create(path.toStdString(), error, std::move(clock));
    if (!m_recording)
        throw platform::Exception(QString::fromStdString(error));
    m_recording->onStopped = [this](const std::string& reason) {
        m_flushTimer->stop();
        // Shown after the receive handler has returned, not inside it.
        QTimer::singleShot(0, this, [text = QString::fromStdString(reason)] {
            platform::ShowMessage(QStringLiteral("Recording stopped\n%1").arg(text));
        });
    };
    connect(m_flushTimer, &QTimer::timeout, this, [this] { m_recording->tick(); });
    m_flushTimer->start(kFlushTickMs);
}

TelemetryRecorder::~TelemetryRecorder() = default;

void TelemetryRecorder::connected(const QString& device)
{
    m_recording->connection(device.toStdString());
}

void TelemetryRecorder::received(const QByteArray& batch)
{
    m_recording->received(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(batch.constData()),
        static_cast<size_t>(batch.size())));
}

bool TelemetryRecorder::recording() const
{
    return m_recording->recording();
}
