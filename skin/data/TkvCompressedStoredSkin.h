#pragma once

#include "platform/IniFile.h"
#include "skin/data/StoredSkinStream.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <future>
#include <optional>

namespace platform {
class MemoryStream;
class Stream;
}

namespace skin {

class TkvSkinData;

// A stored skin with its text read into sections (its lines are left
// empty), ready to load.
struct UnpackedSkin {
    StoredSkin stored;
    platform::MemIniFile text;
};

// Carries one skin as zlib-compressed stored skin bytes, saved with the
// window layout as "CompressedData". It never keeps the inflated skin:
// every load inflates afresh, at most once ahead of time on a worker thread.
class TkvCompressedStoredSkin : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString CompressedFileName READ CompressedFileName WRITE SetCompressedFileName)
    Q_PROPERTY(QByteArray CompressedData READ CompressedData WRITE SetCompressedData)

public:
    explicit TkvCompressedStoredSkin(QObject* owner = nullptr);

    QString Description() const { return m_description; }
    void SetDescription(const QString& value) { m_description = value; }
    // There is no design time here, so these only store the names.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& value) { m_fileName = value; }
    QString CompressedFileName() const { return m_compressedFileName; }
    void SetCompressedFileName(const QString& value) { m_compressedFileName = value; }

    // The zlib bytes exactly, as stored with the layout.
    const QByteArray& CompressedData() const { return m_compressed; }
    void SetCompressedData(const QByteArray& bytes) { m_compressed = bytes; }

    bool GetEmpty() const { return m_compressed.isEmpty(); }

    void WriteData(platform::Stream& stream) const;
    // Replaces the compressed bytes with everything left in stream.
    void ReadData(platform::Stream& stream);
    void DeCompressToStream(platform::MemoryStream& target) const;
    // Inflates and reads the stored skin: nothing for a newer version,
    // damaged data throws.
    std::optional<UnpackedSkin> Unpack();
    // Starts unpacking the current bytes, decoding their pictures and
    // reading their text, on a worker thread, so a window can build its
    // controls meanwhile; the next Unpack of the same bytes takes the result
    // (or its exception).
    void UnpackAhead();

    // Packs the skin a skin data holds.
    void LoadFromSkinData(TkvSkinData& skinData);
    // Packs a folder skin; text without the five required sections leaves
    // the former data in place.
    void LoadFromIniFile(const QString& fileName);
    // Loads a ".skn" file: version, length, zlib bytes. A version above 3
    // leaves the component empty; a file shorter than its length field is a
    // read error.
    void LoadFromCompressFile(const QString& fileName);
    // The same from the stream's position.
    void loadFromCompressStream(platform::Stream& stream);
    // Writes a ".skn" file; an empty component writes no file at all.
    void SaveToCompressFile(const QString& fileName) const;

private:
    QString m_description;
    QString m_fileName;
    QString m_compressedFileName;
    QByteArray m_compressed;
    QByteArray m_unpackedAhead;
    std::future<std::optional<UnpackedSkin>> m_ahead;
};

} // namespace skin
