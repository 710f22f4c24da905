#pragma once

#include <QString>

#include <functional>

namespace platform {

// Where modal messages go. The default shows a message box when a widget
// application runs and writes to stderr otherwise (console tools); tests
// install their own sink to capture the texts.
using MessageSink = std::function<void(const QString& text)>;

void ShowMessage(const QString& text);

// Installs a sink and returns the previous one; an empty sink restores the
// default.
MessageSink setMessageSink(MessageSink sink);

// Installs a sink for the lifetime of this object.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink sink) : m_previous(setMessageSink(std::move(sink))) {}
    ~ScopedMessageSink() { setMessageSink(std::move(m_previous)); }
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink m_previous;
};

} // namespace platform
