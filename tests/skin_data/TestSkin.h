#pragma once

#include "platform/BmpCodec.h"

#include <QByteArray>
#include <QEvent>
#include <QList>
#include <QString>
#include <QWidget>

class QDir;

namespace skin {
class TkvSkinData;
}

// Small skins written by the tests themselves.
namespace skintest {

// 8-bit picture with a varied palette and pixels.
platform::BmpImage indexedPicture(int width, int height, int seed);
// 1-bit picture: a black ellipse-ish blob on white.
platform::BmpImage maskPicture(int width, int height);
// 24-bit picture with a gradient.
platform::BmpImage truecolorPicture(int width, int height, int seed);

// Definition text of a complete small skin: main picture "main.bmp", no
// inactive picture, mask "mask.bmp", active pictures "a0.bmp", "a1.bmp",
// "sub/a2.bmp"; 4 objects and 6 controls. Lines end CR LF.
QByteArray definitionText();

// Writes definitionText() as "skin.ini" plus its BMP files into folder;
// returns the path of the definition file.
QString writeFolderSkin(const QDir& folder);

// The same with the given definition text and no pictures.
QString writeDefinition(const QDir& folder, const QByteArray& text);

// A top-level window that records the skin messages it receives.
class MessageLog : public QWidget {
public:
    struct Entry {
        int message;
        skin::TkvSkinData* skinData;
        qintptr lParam;
        QString window;
    };

    explicit MessageLog(QList<Entry>* log, QString name) : m_log(log), m_name(std::move(name)) {}

protected:
    bool event(QEvent* event) override;

private:
    QList<Entry>* m_log;
    QString m_name;
};

QList<int> messagesOf(const QList<MessageLog::Entry>& log, const QString& window);

} // namespace skintest
