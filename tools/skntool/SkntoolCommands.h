#pragma once

#include <QString>
#include <QTextStream>

// The commands of skntool. Each returns the exit code; run-time failures
// are thrown as platform::Exception with a message naming the file.
namespace skntool {

QTextStream& out();

int pack(const QString& definition, const QString& target);
int unpack(const QString& source, const QString& folder);
int info(const QString& file);

// The skin states a record can be drawn in.
enum class State { Normal, Hot, Pressed, Disabled, Focused };

struct RenderRequest {
    QString skin;
    QString name;
    int width = 0;
    int height = 0;
    State state = State::Normal;
    int scale = 1;
    QString out;
};
int render(const RenderRequest& request);

} // namespace skntool
