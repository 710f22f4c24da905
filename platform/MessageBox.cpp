#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace platform {
namespace {

enum class Box { Message, Error };

void defaultSink(Box box, const QString& text)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (box == Box::Error)
            QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
        else
            QMessageBox::information(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

MessageSink& sinkFor(Box box)
{
    static MessageSink messages;
    static MessageSink errors;
    return box == Box::Error ? errors : messages;
}

void show(Box box, const QString& text)
{
    // Copy first: the sink may replace itself while it runs.
    const MessageSink sink = sinkFor(box);
    if (sink)
        sink(text);
    else
        defaultSink(box, text);
}

MessageSink install(Box box, MessageSink sink)
{
    MessageSink previous = std::move(sinkFor(box));
    sinkFor(box) = std::move(sink);
    return previous;
}

} // namespace

void ShowMessage(const QString& text)
{
    show(Box::Message, text);
}

MessageSink setMessageSink(MessageSink sink)
{
    return install(Box::Message, std::move(sink));
}

void ShowError(const QString& text)
{
    show(Box::Error, text);
}

MessageSink setErrorSink(MessageSink sink)
{
    return install(Box::Error, std::move(sink));
}

} // namespace platform
