#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

#include <cstdio>

namespace platform {
namespace {

enum class Box { Message, Error };

void showBox(Box box, const QString& text)
{
    // The reason goes in the box's second paragraph, set apart from what
    // failed.
    const qsizetype lineEnd = text.indexOf(u'\n');
    QMessageBox message(box == Box::Error ? QMessageBox::Critical : QMessageBox::Information,
        QCoreApplication::applicationName(), lineEnd < 0 ? text : text.left(lineEnd), QMessageBox::Ok,
        QApplication::activeWindow());
    message.setTextFormat(Qt::PlainText);
    if (lineEnd >= 0)
        message.setInformativeText(text.mid(lineEnd + 1));
    message.exec();
}

void defaultSink(Box box, const QString& text)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        showBox(box, text);
        return;
    }
    std::fprintf(stderr, "%s\n", messageOnOneLine(text).toLocal8Bit().constData());
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

QString messageOnOneLine(const QString& text)
{
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(QStringLiteral(": "));
}

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
