#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

namespace platform {

// Sequential byte stream with a position, as the skin containers use them.
// Reads never go past the end: readExact throws EReadError when fewer bytes
// are left than asked for.
class Stream {
public:
    virtual ~Stream() = default;

    virtual qint64 size() const = 0;
    virtual qint64 position() const = 0;
    virtual void setPosition(qint64 position) = 0;
    // Reads up to count bytes into buffer; returns how many were read.
    virtual qint64 read(char* buffer, qint64 count) = 0;
    // Writes all count bytes at the position or throws.
    virtual void write(const char* buffer, qint64 count) = 0;

    qint64 remaining() const { return size() - position(); }

    void readExact(char* buffer, qint64 count);
    QByteArray readBytes(qint64 count);
    QByteArray readAll();
    quint8 readUInt8();
    qint32 readInt32();
    void writeBytes(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    void writeUInt8(quint8 value);
    void writeInt32(qint32 value);
};

// Growable buffer held in memory.
class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    qint64 size() const override { return m_bytes.size(); }
    qint64 position() const override { return m_position; }
    void setPosition(qint64 position) override;
    qint64 read(char* buffer, qint64 count) override;
    void write(const char* buffer, qint64 count) override;

    const QByteArray& bytes() const { return m_bytes; }
    void clear();

private:
    QByteArray m_bytes;
    qint64 m_position = 0;
};

// A file opened for reading or created (truncated) for writing.
class FileStream : public Stream {
public:
    enum class Mode { Read, Create };

    // Throws EFOpenError "Cannot open file <name>" when the file cannot be
    // opened.
    FileStream(const QString& fileName, Mode mode);

    qint64 size() const override { return m_file.size(); }
    qint64 position() const override { return m_file.pos(); }
    void setPosition(qint64 position) override;
    qint64 read(char* buffer, qint64 count) override;
    void write(const char* buffer, qint64 count) override;

private:
    QFile m_file;
};

// Reads a whole file; throws EFOpenError when it cannot be opened.
QByteArray readWholeFile(const QString& fileName);
void writeWholeFile(const QString& fileName, const QByteArray& bytes);

} // namespace platform
