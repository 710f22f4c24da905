#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A program of the build run to its end, with both of its outputs.
struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runToEnd(const QString& name, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Lines of a text, without empty ones.
QStringList lines(const QByteArray& text);
