// pack, unpack and info.

#include "tools/skntool/SkntoolCommands.h"

#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/SkinDefinitionCheck.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/StoredSkinStream.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace skntool {

using namespace skin;

namespace {

// The highest ".skn" version this program reads.
constexpr qint32 kReadableVersion = 3;

[[noreturn]] void fail(const QString& message) { throw platform::Exception(message); }

QString describe(const platform::BmpImage& image)
{
    if (image.isEmpty())
        return QStringLiteral("none");
    return QStringLiteral("%1x%2, %3 bit").arg(image.width()).arg(image.height()).arg(image.bitCount());
}

void printSkin(const TkvSkinData& data)
{
    const auto named = [](const QString& name, const platform::BmpImage& image) {
        return name.isEmpty() ? describe(image) : name + QStringLiteral(" ") + describe(image);
    };
    out() << "name: " << data.skinname << "\n";
    out() << "picture: " << named(data.picture, data.PictureBitmap) << "\n";
    out() << "inactive picture: " << named(data.inactivepicture, data.InactivePictureBitmap) << "\n";
    out() << "mask: " << named(data.mask, data.MaskBitmap) << "\n";
    out() << "active pictures: " << data.ActiveBitmaps.size() << "\n";
    for (int i = 0; i < data.ActiveBitmaps.size(); ++i) {
        const QString name = i < data.ActivePictureNames.size() ? data.ActivePictureNames[i] : QString();
        out() << "  " << i << " " << named(name, data.ActiveBitmaps[i]) << "\n";
    }
    out() << "objects: " << data.SkinObjects.size() << "\n";
    for (const auto& record : data.SkinObjects)
        out() << "  " << record->IDName << " (" << skinObjectKind(*record) << ")\n";
    out() << "controls: " << data.SkinControls.size() << "\n";
    for (const auto& record : data.SkinControls)
        out() << "  " << record->IDName << " (" << skinControlKind(*record) << ")\n";
}

// What the definition says that the engine does not read, so a skin
// author learns of a misspelt key or kind instead of its silent absence.
void printNotUnderstood(const platform::MemIniFile& definition, TkvSkinData& data)
{
    const QStringList lines = notUnderstood(definition, data);
    out() << "not understood: " << lines.size() << "\n";
    for (const QString& line : lines)
        out() << "  " << line << "\n";
}

// The version of a ".skn" file; refuses files that do not start like one:
// a version, the length of the compressed data within the file, and the
// first byte of a zlib stream.
qint32 sknVersion(const QString& file)
{
    const QByteArray head = platform::readWholeFile(file).left(9);
    platform::MemoryStream stream(head);
    const qint64 fileSize = QFileInfo(file).size();
    if (head.size() < 9)
        fail(QStringLiteral("%1 is not a skin file: it is too short").arg(file));
    const qint32 version = stream.readInt32();
    const qint32 length = stream.readInt32();
    const bool zlib = quint8(head[8]) == 0x78;
    if (version >= 1 && version <= kReadableVersion)
        return version;
    if (version < 1 || length < 2 || length > fileSize - 8 || !zlib)
        fail(QStringLiteral("%1 is not a skin file").arg(file));
    fail(QStringLiteral("%1 is a skin file of version %2, newer than this program reads (%3)")
             .arg(file)
             .arg(version)
             .arg(kReadableVersion));
}

// Every picture gets a file name, so none is lost when written out.
void nameUnnamedPictures(TkvSkinData& data)
{
    const auto nameIfMissing = [](QString& name, const platform::BmpImage& image, const QString& fallback) {
        if (name.isEmpty() && !image.isEmpty())
            name = fallback;
    };
    nameIfMissing(data.picture, data.PictureBitmap, QStringLiteral("picture.bmp"));
    nameIfMissing(data.inactivepicture, data.InactivePictureBitmap, QStringLiteral("inactivepicture.bmp"));
    nameIfMissing(data.mask, data.MaskBitmap, QStringLiteral("mask.bmp"));
    while (data.ActivePictureNames.size() < data.ActiveBitmaps.size())
        data.ActivePictureNames.append(QString());
    for (int i = 0; i < data.ActivePictureNames.size(); ++i) {
        if (!data.ActivePictureNames[i].isEmpty())
            continue;
        QString name = QStringLiteral("active%1.bmp").arg(i);
        for (int n = 2; data.ActivePictureNames.contains(name, Qt::CaseInsensitive); ++n)
            name = QStringLiteral("active%1-%2.bmp").arg(i).arg(n);
        data.ActivePictureNames[i] = name;
    }
}

} // namespace

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

int pack(const QString& definition, const QString& target)
{
    TkvCompressedStoredSkin stored;
    stored.LoadFromIniFile(definition);
    if (stored.GetEmpty())
        fail(QStringLiteral("%1 is not a skin definition: it needs the sections [VERSION], [PICTURES], "
                            "[FORMINFO], [SKINOBJECTS] and [SKINCONTROLS]")
                 .arg(definition));
    stored.SaveToCompressFile(target);
    out() << "packed " << definition << " into " << target << " (" << stored.CompressedData().size()
          << " compressed bytes)\n";
    return 0;
}

int unpack(const QString& source, const QString& folder)
{
    sknVersion(source);
    TkvSkinData data;
    data.LoadFromCompressedFile(source);
    if (data.IsEmpty())
        fail(QStringLiteral("%1 holds no skin this program can read").arg(source));
    nameUnnamedPictures(data);
    const QString definition = QDir(folder).filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".ini"));
    data.StoreToDisk(definition);
    out() << "unpacked " << source << " into " << definition << "\n";
    return 0;
}

int info(const QString& file)
{
    TkvSkinData data;
    out() << "file: " << file << "\n";
    if (QFileInfo(file).suffix().compare(QStringLiteral("ini"), Qt::CaseInsensitive) == 0) {
        data.LoadFromFile(file);
        if (data.IsEmpty())
            fail(QStringLiteral("%1 is not a skin definition").arg(file));
        out() << "form: folder skin\n";
        printSkin(data);
        printNotUnderstood(platform::IniFile(file), data);
        return 0;
    }

    const qint32 version = sknVersion(file);
    out() << "form: compressed skin file, version " << version << "\n";
    TkvCompressedStoredSkin stored;
    stored.LoadFromCompressFile(file);
    platform::MemoryStream inflated;
    stored.DeCompressToStream(inflated);
    inflated.setPosition(0);
    const std::optional<StoredSkin> content = readStoredSkin(inflated);
    out() << "compressed bytes: " << stored.CompressedData().size() << "\n";
    out() << "stored bytes: " << inflated.size() << "\n";
    if (!content)
        fail(QStringLiteral("%1: the stored skin's version is newer than this program reads").arg(file));
    out() << "stored version: " << content->version << "\n";
    data.LoadCompressedStoredSkin(&stored);
    printSkin(data);
    if (const std::optional<UnpackedSkin> unpacked = stored.Unpack())
        printNotUnderstood(unpacked->text, data);
    return 0;
}

} // namespace skntool
