// The load and save paths of TkvSkinData: folder skins, stored skins and
// ".skn" files.

#include "skin/data/TkvSkinData.h"

#include "platform/ByteStream.h"
#include "platform/IniFile.h"
#include "skin/data/SkinIniValues.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/StoredSkinStream.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/ZlibStreams.h"

#include <QDir>
#include <QFileInfo>

namespace skin {

using platform::BmpImage;

namespace {

BmpImage loadNamed(const QDir& folder, const QString& name)
{
    return name.isEmpty() ? BmpImage() : BmpImage::loadFromFile(folder.filePath(name));
}

// Picture names come from skin text that may come from anywhere; writing
// must stay inside the target folder.
QString targetPath(const QDir& folder, const QString& name)
{
    const QString clean = QDir::cleanPath(name);
    if (QDir::isAbsolutePath(clean) || clean == QStringLiteral("..") || clean.startsWith(QStringLiteral("../")))
        throw platform::EFOpenError(QStringLiteral("Cannot create file %1 outside the skin folder").arg(name));
    return folder.filePath(clean);
}

void writePicture(const BmpImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.saveToFile(path);
}

} // namespace

void TkvSkinData::LoadFromFile(const QString& fileName)
{
    m_isEmpty = true;
    SendSkinDataMessage(SKINMSG_BEFORECHANGE);
    ClearAll();
    const platform::IniFile ini(fileName);
    if (!CheckSkinSections(ini)) {
        SendSkinDataMessage(SKINMSG_CHANGE);
        SendSkinDataMessage(SKINMSG_AFTERCHANGE);
        return;
    }
    readVersionAndPictureNames(ini);
    const QDir folder = QFileInfo(fileName).absoluteDir();
    PictureBitmap = loadNamed(folder, picture);
    InactivePictureBitmap = loadNamed(folder, inactivepicture);
    MaskBitmap = loadNamed(folder, mask);
    ReadActivePictures(ini, folder.absolutePath());
    readRecords(ini);
    finishLoad();
}

void TkvSkinData::SaveToFile(const QString& fileName)
{
    platform::MemIniFile ini;
    SaveToCustomIniFile(ini);
    platform::writeWholeFile(fileName, ini.toText());
}

void TkvSkinData::StoreToDisk(const QString& fileName)
{
    // Every picture's place is checked before anything is written, so a
    // refused name leaves no partial skin behind.
    const QDir folder = QFileInfo(fileName).absoluteDir();
    QList<std::pair<const BmpImage*, QString>> pictures;
    const auto add = [&](const BmpImage& image, const QString& name) {
        // A bitmap without a name has no place in the definition; skip it.
        if (!image.isEmpty() && !name.isEmpty())
            pictures.append({&image, targetPath(folder, name)});
    };
    add(PictureBitmap, picture);
    add(InactivePictureBitmap, inactivepicture);
    add(MaskBitmap, mask);
    for (int i = 0; i < ActiveBitmaps.size() && i < ActivePictureNames.size(); ++i)
        add(ActiveBitmaps[i], ActivePictureNames[i]);

    QDir().mkpath(folder.absolutePath());
    SaveToFile(fileName);
    for (const auto& [image, path] : std::as_const(pictures))
        writePicture(*image, path);
}

void TkvSkinData::LoadCompressedStoredSkin(TkvCompressedStoredSkin* storedSkin)
{
    if (!storedSkin || storedSkin->GetEmpty())
        return;
    m_isEmpty = true;
    SendSkinDataMessage(SKINMSG_BEFORECHANGE);
    ClearAll();

    std::optional<UnpackedSkin> unpacked;
    try {
        unpacked = storedSkin->Unpack();
    } catch (const ECompressionError&) {
        // Everyone dropped the old skin on SKINMSG_BEFORECHANGE; they hear
        // that the skin is now empty and take their default look, then the
        // caller hears why.
        SendSkinDataMessage(SKINMSG_CHANGE);
        SendSkinDataMessage(SKINMSG_AFTERCHANGE);
        throw;
    }
    if (!unpacked)
        return;
    StoredSkin& stored = unpacked->stored;
    PictureBitmap = std::move(stored.picture);
    InactivePictureBitmap = std::move(stored.inactivePicture);
    MaskBitmap = std::move(stored.mask);
    ActiveBitmaps = std::move(stored.activeBitmaps);

    const platform::MemIniFile& ini = unpacked->text;
    readVersionAndPictureNames(ini);
    ReadStrings1(ini, QStringLiteral("PICTURES"), QStringLiteral("activepictures"), ActivePictureNames);
    readRecords(ini);
    finishLoad();
}

void TkvSkinData::LoadFromCompressedFile(const QString& fileName)
{
    TkvCompressedStoredSkin storedSkin;
    storedSkin.LoadFromCompressFile(fileName);
    if (!storedSkin.GetEmpty())
        LoadCompressedStoredSkin(&storedSkin);
}

void TkvSkinData::SaveToCompressedFile(const QString& fileName)
{
    TkvCompressedStoredSkin storedSkin;
    storedSkin.LoadFromSkinData(*this);
    storedSkin.SaveToCompressFile(fileName);
}

} // namespace skin
