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

// The standard error box: the message of an exception that escaped an
// event handler. A sink of its own, so tests tell errors from messages.
void ShowError(const QString& text);
MessageSink setErrorSink(MessageSink sink);

// Installs a sink for the lifetime of this object.
template <MessageSink (*install)(MessageSink)>
class ScopedSink {
public:
    explicit ScopedSink(MessageSink sink) : m_previous(install(std::move(sink))) {}
    ~ScopedSink() { install(std::move(m_previous)); }
    ScopedSink(const ScopedSink&) = delete;
    ScopedSink& operator=(const ScopedSink&) = delete;

private:
    MessageSink m_previous;
};

using ScopedMessageSink = ScopedSink<setMessageSink>;
using ScopedErrorSink = ScopedSink<setErrorSink>;

// A message's first line says what failed, the lines after it why. On a
// console they are joined into one line, "what: why", so a log keeps them
// together.
QString messageOnOneLine(const QString& text);

} // namespace platform
