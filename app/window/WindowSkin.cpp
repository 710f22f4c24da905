#include "app/window/WindowSkin.h"

#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

namespace windowskin {

using skin::TkvCompressedStoredSkin;

namespace {

// The definition file a folder skin is read from, or empty.
QString definitionIn(const QDir& folder)
{
    if (folder.exists(QStringLiteral("skin.ini")))
        return folder.filePath(QStringLiteral("skin.ini"));
    const QStringList definitions = folder.entryList({QStringLiteral("*.ini")}, QDir::Files);
    return definitions.size() == 1 ? folder.filePath(definitions.first()) : QString();
}

QString unusable(const QString& file, const QString& why)
{
    return QStringLiteral("The skin %1 cannot be used: %2.\nThe built-in skin is used instead.").arg(file, why);
}

// Packs or loads file into scratch; returns what is wrong.
std::optional<QString> read(const QString& file, TkvCompressedStoredSkin& scratch)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("there is no such file or folder");
    QString definition;
    if (info.isDir()) {
        definition = definitionIn(QDir(file));
        if (definition.isEmpty())
            return QStringLiteral("the folder holds no skin definition (skin.ini)");
    } else if (info.suffix().compare(QStringLiteral("ini"), Qt::CaseInsensitive) == 0) {
        definition = file;
    }
    if (!definition.isEmpty()) {
        scratch.LoadFromIniFile(definition);
        if (scratch.GetEmpty())
            return QStringLiteral("%1 lacks one of the sections [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] "
                                  "and [SKINCONTROLS]")
                .arg(QFileInfo(definition).fileName());
        scratch.SetFileName(QFileInfo(definition).fileName());
        return std::nullopt;
    }
    scratch.LoadFromCompressFile(file);
    if (scratch.GetEmpty())
        return QStringLiteral("it is not a compressed skin of a version this program reads");
    scratch.SetCompressedFileName(info.fileName());
    return std::nullopt;
}

} // namespace

QStringList builtinSkinNames() { return {QStringLiteral("Graphite"), QStringLiteral("Daylight")}; }

QByteArray builtinSkinData(const QString& name)
{
    const QStringList names = builtinSkinNames();
    if (!names.contains(name))
        return {};
    QFile file(name == names.first() ? QStringLiteral(":/skins/builtin.skn") : QStringLiteral(":/skins/daylight.skn"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    platform::MemoryStream stream(file.readAll());
    TkvCompressedStoredSkin stored;
    stored.loadFromCompressStream(stream);
    return stored.CompressedData();
}

std::optional<QString> loadSkinFile(const QString& file, TkvCompressedStoredSkin& stored)
{
    TkvCompressedStoredSkin scratch;
    try {
        if (const std::optional<QString> why = read(file, scratch))
            return unusable(file, *why);
        // A skin that packs may still not load: damaged pictures or text.
        skin::TkvSkinData trial;
        trial.LoadCompressedStoredSkin(&scratch);
        if (trial.IsEmpty())
            return unusable(file, QStringLiteral("it holds no skin this program can read"));
    } catch (const platform::Exception& error) {
        return unusable(file, error.message());
    } catch (const std::exception& error) {
        return unusable(file, QString::fromLocal8Bit(error.what()));
    }
    stored.SetCompressedData(scratch.CompressedData());
    stored.SetFileName(scratch.FileName());
    stored.SetCompressedFileName(scratch.CompressedFileName());
    return std::nullopt;
}

} // namespace windowskin
