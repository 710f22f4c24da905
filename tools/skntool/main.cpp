// skntool: packs a folder skin into a ".skn" file, unpacks one into a
// folder, and describes either.
//
//   skntool pack SKIN.ini OUT.skn
//   skntool unpack IN.skn DIR
//   skntool info FILE          (a ".skn" file or a skin definition file)

#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/StoredSkinStream.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <exception>

using namespace skin;

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

int usage()
{
    QTextStream(stderr) << "usage: skntool pack SKIN.ini OUT.skn\n"
                           "       skntool unpack IN.skn DIR\n"
                           "       skntool info FILE\n";
    return 2;
}

[[noreturn]] void fail(const QString& message) { throw platform::Exception(message); }

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
    TkvSkinData data;
    data.LoadFromCompressedFile(source);
    if (data.IsEmpty())
        fail(QStringLiteral("%1 holds no skin this program can read").arg(source));
    if (!QDir().mkpath(folder))
        fail(QStringLiteral("Cannot create folder %1").arg(folder));
    const QString definition = QDir(folder).filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".ini"));
    data.StoreToDisk(definition);
    out() << "unpacked " << source << " into " << definition << "\n";
    return 0;
}

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
        return 0;
    }

    TkvCompressedStoredSkin stored;
    {
        platform::FileStream stream(file, platform::FileStream::Mode::Read);
        const qint32 version = stream.readInt32();
        out() << "form: compressed skin file, version " << version << "\n";
        if (version > 3)
            fail(QStringLiteral("version %1 is newer than this program reads").arg(version));
    }
    stored.LoadFromCompressFile(file);
    platform::MemoryStream inflated;
    stored.DeCompressToStream(inflated);
    inflated.setPosition(0);
    const std::optional<StoredSkin> content = readStoredSkin(inflated);
    out() << "compressed bytes: " << stored.CompressedData().size() << "\n";
    out() << "stored bytes: " << inflated.size() << "\n";
    if (!content)
        fail(QStringLiteral("the stored skin's version is newer than this program reads"));
    out() << "stored version: " << content->version << "\n";
    data.LoadCompressedStoredSkin(&stored);
    printSkin(data);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    try {
        if (args.size() == 3 && args[0] == QStringLiteral("pack"))
            return pack(args[1], args[2]);
        if (args.size() == 3 && args[0] == QStringLiteral("unpack"))
            return unpack(args[1], args[2]);
        if (args.size() == 2 && args[0] == QStringLiteral("info"))
            return info(args[1]);
        return usage();
    } catch (const platform::Exception& error) {
        out().flush();
        QTextStream(stderr) << "skntool: " << error.message() << "\n";
        return 1;
    } catch (const std::exception& error) {
        out().flush();
        std::fprintf(stderr, "skntool: %s\n", error.what());
        return 1;
    }
}
