#include "platform/ByteStream.h"

#include "platform/ClassicErrors.h"

#include <QtEndian>

#include <algorithm>

namespace platform {

namespace {

[[noreturn]] void readError() { throw EReadError(QStringLiteral("Stream read error")); }

} // namespace

void Stream::readExact(char* buffer, qint64 count)
{
    if (count < 0 || count > remaining() || read(buffer, count) != count)
        readError();
}

QByteArray Stream::readBytes(qint64 count)
{
    // Checked before allocating, so a lying length cannot reserve memory.
    if (count < 0 || count > remaining())
        readError();
    QByteArray bytes(count, Qt::Uninitialized);
    readExact(bytes.data(), count);
    return bytes;
}

QByteArray Stream::readAll() { return readBytes(remaining()); }

quint8 Stream::readUInt8()
{
    char byte = 0;
    readExact(&byte, 1);
    return static_cast<quint8>(byte);
}

qint32 Stream::readInt32()
{
    char bytes[4];
    readExact(bytes, 4);
    return qFromLittleEndian<qint32>(bytes);
}

void Stream::writeUInt8(quint8 value)
{
    const char byte = static_cast<char>(value);
    write(&byte, 1);
}

void Stream::writeInt32(qint32 value)
{
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    write(bytes, 4);
}

void MemoryStream::setPosition(qint64 position)
{
    m_position = std::clamp<qint64>(position, 0, m_bytes.size());
}

qint64 MemoryStream::read(char* buffer, qint64 count)
{
    const qint64 n = std::clamp<qint64>(count, 0, remaining());
    std::copy_n(m_bytes.constData() + m_position, n, buffer);
    m_position += n;
    return n;
}

void MemoryStream::write(const char* buffer, qint64 count)
{
    if (count <= 0)
        return;
    if (m_position + count > m_bytes.size()) {
        // Grow geometrically: streams are written in small pieces, and
        // growing by each piece would copy the whole content every time.
        if (m_position + count > m_bytes.capacity())
            m_bytes.reserve(std::max(m_position + count, 2 * m_bytes.capacity()));
        m_bytes.resize(m_position + count);
    }
    std::copy_n(buffer, count, m_bytes.data() + m_position);
    m_position += count;
}

void MemoryStream::clear()
{
    m_bytes.clear();
    m_position = 0;
}

FileStream::FileStream(const QString& fileName, Mode mode)
    : m_file(fileName)
{
    const auto openMode = mode == Mode::Read ? QIODevice::ReadOnly : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!m_file.open(openMode))
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
}

void FileStream::setPosition(qint64 position) { m_file.seek(std::clamp<qint64>(position, 0, m_file.size())); }

qint64 FileStream::read(char* buffer, qint64 count)
{
    const qint64 n = m_file.read(buffer, std::max<qint64>(count, 0));
    return n < 0 ? 0 : n;
}

void FileStream::write(const char* buffer, qint64 count)
{
    if (count > 0 && m_file.write(buffer, count) != count)
        throw Exception(QStringLiteral("Stream write error"));
}

QByteArray readWholeFile(const QString& fileName)
{
    FileStream stream(fileName, FileStream::Mode::Read);
    return stream.readAll();
}

void writeWholeFile(const QString& fileName, const QByteArray& bytes)
{
    FileStream stream(fileName, FileStream::Mode::Create);
    stream.writeBytes(bytes);
}

} // namespace platform
