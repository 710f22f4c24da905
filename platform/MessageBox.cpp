#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace platform {
namespace {

void defaultSink(const QString& text)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::information(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

MessageSink& currentSink()
{
    static MessageSink sink;
    return sink;
}

} // namespace

void ShowMessage(const QString& text)
{
    // Copy first: the sink may replace itself while it runs.
    const MessageSink sink = currentSink();
    if (sink)
        sink(text);
    else
        defaultSink(text);
}

MessageSink setMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

} // namespace platform
