#include "skin/data/TkvSkinData.h"

#include "platform/IniFile.h"
#include "skin/data/SkinIniValues.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinTiling.h"
#include "skin/data/TkvCompressedStoredSkin.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>

namespace skin {

namespace {

const QString formInfoSection = QStringLiteral("FORMINFO");
const QString picturesSection = QStringLiteral("PICTURES");
const QString activePicturesList = QStringLiteral("activepictures");

template<typename Records>
int indexOf(const Records& records, const QString& name)
{
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i]->IDName == name)
            return int(i);
    }
    return -1;
}

// Number of listing entries worth reading: keys "0" .. count-1 that can
// exist at all, so a huge count in damaged text costs nothing.
int listingLimit(const CustomIniFile& ini, const QString& section, int count)
{
    int limit = 0;
    for (const QString& key : ini.sectionKeys(section)) {
        bool ok = false;
        const int index = key.toInt(&ok);
        if (ok && index >= 0 && index < count && QString::number(index) == key)
            limit = std::max(limit, index + 1);
    }
    return limit;
}

template<typename Records, typename Create>
void readListing(const CustomIniFile& ini, const QString& section, Records& records, Create&& create)
{
    const int limit = listingLimit(ini, section, ini.readInteger(section, QStringLiteral("count"), 0));
    for (int i = 0; i < limit; ++i) {
        QString name;
        QString kind;
        TkvSkinData::GetObjectTypeName(ini.readString(section, QString::number(i), QString()), name, kind);
        auto record = create(kind, name);
        if (!record)
            continue;
        records.push_back(std::move(record));
        records.back()->LoadFromFile(ini);
    }
}

template<typename Records, typename KindOf>
void writeListing(CustomIniFile& ini, const QString& section, Records& records, KindOf&& kindOf)
{
    ini.eraseSection(section);
    ini.writeInteger(section, QStringLiteral("count"), int(records.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        ini.writeString(section, QString::number(i), records[i]->IDName + u':' + kindOf(*records[i]));
        records[i]->SaveToFile(ini);
    }
}

// A morphing object is blended in two pictures of its own size, built at
// every morph step; they get the bound of every other skin picture.
void checkMorphPictureSize(const TkvDataSkinObject& record)
{
    if (!record.morphing || isNullRect(record.activeskinrect))
        return;
    const TRect& r = record.skinrect;
    const qint64 width = std::max<qint64>(0, qint64(r.right) - r.left);
    const qint64 height = std::max<qint64>(0, qint64(r.bottom) - r.top);
    if (width * height > tiling::kMaxPicturePixels) {
        throw platform::EConvertError(
            QStringLiteral("Morph picture of %1 x %2 pixels too large (section [%3], key \"skinrect\")")
                .arg(width)
                .arg(height)
                .arg(record.IDName));
    }
}

} // namespace

TkvSkinData::TkvSkinData(QObject* owner)
    : QObject(owner)
{
}

TkvSkinData::~TkvSkinData()
{
    m_isEmpty = true;
    ClearObjects();
}

void TkvSkinData::SetCompressedStoredSkin(TkvCompressedStoredSkin* value)
{
    m_compressedStoredSkin = value;
    if (value)
        LoadCompressedStoredSkin(value);
}

void TkvSkinData::SetResourceStrData(TkvResourceStrData* value)
{
    m_resourceStrData = value;
    SendSkinDataMessage(SKINMSG_RESSTRCHANGE);
}

const platform::BmpImage* TkvSkinData::activeBitmap(qint32 pictureIndex) const
{
    if (pictureIndex < 0 || pictureIndex >= ActiveBitmaps.size() || ActiveBitmaps[pictureIndex].isEmpty())
        return nullptr;
    return &ActiveBitmaps[pictureIndex];
}

namespace {

// Cache slots: the three frame pictures, then the active pictures.
constexpr size_t kPictureSlot = 0;
constexpr size_t kInactivePictureSlot = 1;
constexpr size_t kMaskSlot = 2;
constexpr size_t kFirstActiveSlot = 3;

} // namespace

const platform::TBitmap* TkvSkinData::decodedPicture() const { return m_decoded.picture(PictureBitmap, kPictureSlot); }

const platform::TBitmap* TkvSkinData::decodedInactivePicture() const
{
    return m_decoded.picture(InactivePictureBitmap, kInactivePictureSlot);
}

const platform::TBitmap* TkvSkinData::decodedMask() const { return m_decoded.picture(MaskBitmap, kMaskSlot); }

const platform::TBitmap* TkvSkinData::decodedActivePicture(qint32 pictureIndex) const
{
    const platform::BmpImage* image = activeBitmap(pictureIndex);
    return image ? m_decoded.picture(*image, kFirstActiveSlot + size_t(pictureIndex)) : nullptr;
}

int TkvSkinData::GetIndex(const QString& name) const { return indexOf(SkinObjects, name); }

int TkvSkinData::GetControlIndex(const QString& name) const { return indexOf(SkinControls, name); }

void TkvSkinData::SendSkinDataMessage(int message)
{
    QPointer<QWidget> ownerWindow;
    if (auto* owner = qobject_cast<QWidget*>(parent()))
        ownerWindow = owner->window();
    // Receivers may close windows while handling the message.
    QList<QPointer<QWidget>> targets;
    if (ownerWindow)
        targets.append(ownerWindow);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = w->windowType();
            if (w != ownerWindow && (type == Qt::Window || type == Qt::Dialog))
                targets.append(w);
        }
    }
    const QPointer<TkvSkinData> self(this);
    for (const QPointer<QWidget>& target : targets) {
        if (!self)
            return;
        if (!target)
            continue;
        TkvSkinMessageEvent event(message, this);
        QCoreApplication::sendEvent(target, &event);
    }
}

void TkvSkinData::ClearObjects()
{
    m_decoded.clear();
    SkinObjects.clear();
    SkinControls.clear();
    ActiveBitmaps.clear();
    ActivePictureNames.clear();
    PopupWindowRecord.windowpictureindex = -1;
    HintWindowRecord.windowpictureindex = -1;
}

void TkvSkinData::ClearAll()
{
    ClearObjects();
    PictureBitmap = {};
    InactivePictureBitmap = {};
    MaskBitmap = {};
    picture.clear();
    inactivepicture.clear();
    mask.clear();
    m_isEmpty = true;
}

void TkvSkinData::ClearSkin()
{
    // Receivers drop what they took from the skin while it still exists.
    SendSkinDataMessage(SKINMSG_BEFORECHANGE);
    ClearAll();
    SendSkinDataMessage(SKINMSG_CHANGE);
    SendSkinDataMessage(SKINMSG_AFTERCHANGE);
}

void TkvSkinData::GetObjectTypeName(const QString& entry, QString& name, QString& kind)
{
    const qsizetype colon = entry.indexOf(u':');
    name = colon < 0 ? QString() : entry.left(colon);
    kind = colon < 0 ? QString() : entry.mid(colon + 1);
}

void TkvSkinData::ReadObjects(const CustomIniFile& ini)
{
    readListing(ini, QStringLiteral("SKINOBJECTS"), SkinObjects, createSkinObject);
    for (const auto& record : SkinObjects)
        checkMorphPictureSize(*record);
}

void TkvSkinData::ReadCtrls(const CustomIniFile& ini)
{
    readListing(ini, QStringLiteral("SKINCONTROLS"), SkinControls, createSkinControl);
}

void TkvSkinData::WriteObjects(CustomIniFile& ini)
{
    writeListing(ini, QStringLiteral("SKINOBJECTS"), SkinObjects, skinObjectKind);
}

void TkvSkinData::WriteCtrls(CustomIniFile& ini)
{
    writeListing(ini, QStringLiteral("SKINCONTROLS"), SkinControls, skinControlKind);
}

void TkvSkinData::visitFormInfo(SkinFieldVisitor& v)
{
    v.point("lefttoppoint", lefttoppoint);
    v.point("righttoppoint", righttoppoint);
    v.point("leftbottompoint", leftbottompoint);
    v.point("rightbottompoint", rightbottompoint);
    v.rect("clientrect", clientrect);
    v.pictureIndex("bgpictureindex", bgpictureindex);
    v.pictureIndex("mdibgpictureindex", mdibgpictureindex);
    v.boolean("leftstretch", leftstretch);
    v.boolean("rightstretch", rightstretch);
    v.boolean("topstretch", topstretch);
    v.boolean("bottomstretch", bottomstretch);
    v.rect("maskrectarea", maskrectarea);
    v.point("hittestlefttoppoint", hittestlefttoppoint);
    v.point("hittestrighttoppoint", hittestrighttoppoint);
    v.point("hittestleftbottompoint", hittestleftbottompoint);
    v.point("hittestrightbottompoint", hittestrightbottompoint);
    v.rect("buttonsrect", buttonsrect);
    v.rect("captionrect", captionrect);
    v.integer("buttonsoffset", buttonsoffset, 0);
    v.boolean("buttonsinleft", buttonsinleft);
    v.boolean("mainmenupopupup", mainmenupopupup);
    v.integer("borderwidth", borderwidth, 0);
    v.boolean("autorenderinginactiveimage", autorenderinginactiveimage);
    v.inactiveEffect("inactiveeffect", inactiveeffect);
}

void TkvSkinData::ReadFormInfo(const CustomIniFile& ini)
{
    IniFieldReader reader(ini, formInfoSection);
    visitFormInfo(reader);

    if (!mask.isEmpty()) {
        if (isNullRect(maskrectarea)) {
            maskrectarea = clientrect;
        } else {
            maskrectarea.left = std::min(maskrectarea.left, clientrect.left);
            maskrectarea.top = std::min(maskrectarea.top, clientrect.top);
            maskrectarea.right = std::max(maskrectarea.right, clientrect.right);
            maskrectarea.bottom = std::max(maskrectarea.bottom, clientrect.bottom);
        }
        const auto orFramePoint = [](TPoint& hitTest, const TPoint& frame) {
            if (isNullPoint(hitTest))
                hitTest = frame;
        };
        orFramePoint(hittestlefttoppoint, lefttoppoint);
        orFramePoint(hittestrighttoppoint, righttoppoint);
        orFramePoint(hittestleftbottompoint, leftbottompoint);
        orFramePoint(hittestrightbottompoint, rightbottompoint);
    }

    // Points that share x or y with each other describe a frame without
    // repeated bands; those are left as written.
    if (rightbottompoint.x == lefttoppoint.x || rightbottompoint.y == lefttoppoint.y)
        return;
    lefttoppoint.x = std::max(lefttoppoint.x, clientrect.left);
    lefttoppoint.y = std::max(lefttoppoint.y, clientrect.top);
    righttoppoint.x = std::min(righttoppoint.x, clientrect.right);
    righttoppoint.y = std::max(righttoppoint.y, clientrect.top);
    leftbottompoint.x = std::max(leftbottompoint.x, clientrect.left);
    leftbottompoint.y = std::min(leftbottompoint.y, clientrect.bottom);
    rightbottompoint.x = std::min(rightbottompoint.x, clientrect.right);
    rightbottompoint.y = std::min(rightbottompoint.y, clientrect.bottom);
}

void TkvSkinData::WriteFormInfo(CustomIniFile& ini)
{
    ini.eraseSection(formInfoSection);
    IniFieldWriter writer(ini, formInfoSection);
    visitFormInfo(writer);
}

void TkvSkinData::ReadActivePictures(const CustomIniFile& ini, const QString& folder)
{
    ReadStrings1(ini, picturesSection, activePicturesList, ActivePictureNames);
    const QDir dir(folder);
    for (const QString& name : std::as_const(ActivePictureNames))
        ActiveBitmaps.append(platform::BmpImage::loadFromFile(dir.filePath(name)));
}

void TkvSkinData::WriteActivePictures(CustomIniFile& ini)
{
    WriteStrings1(ini, picturesSection, activePicturesList, ActivePictureNames);
}

void TkvSkinData::AddBitMap(const QString& fileName)
{
    platform::BmpImage image = platform::BmpImage::loadFromFile(fileName);
    ActivePictureNames.append(QFileInfo(fileName).fileName());
    ActiveBitmaps.append(std::move(image));
}

void TkvSkinData::DeleteBitMap(int index)
{
    if (index >= 0 && index < ActiveBitmaps.size())
        ActiveBitmaps.removeAt(index);
    if (index >= 0 && index < ActivePictureNames.size())
        ActivePictureNames.removeAt(index);
}

void TkvSkinData::SaveToCustomIniFile(CustomIniFile& ini)
{
    const QString version = QStringLiteral("VERSION");
    ini.eraseSection(version);
    ini.writeInteger(version, QStringLiteral("ver"), 1);
    ini.writeString(version, QStringLiteral("skinname"), skinname);
    ini.writeString(version, QStringLiteral("skinauthor"), skinauthor);
    ini.writeString(version, QStringLiteral("authoremail"), authoremail);
    ini.writeString(version, QStringLiteral("authorurl"), authorurl);
    ini.writeString(version, QStringLiteral("skincomments"), skincomments);

    ini.eraseSection(picturesSection);
    ini.writeString(picturesSection, QStringLiteral("picture"), picture);
    ini.writeString(picturesSection, QStringLiteral("inactivepicture"), inactivepicture);
    ini.writeString(picturesSection, QStringLiteral("mask"), mask);
    WriteActivePictures(ini);

    WriteFormInfo(ini);
    PopupWindowRecord.SaveToFile(ini);
    HintWindowRecord.SaveToFile(ini);
    WriteObjects(ini);
    WriteCtrls(ini);
}

void TkvSkinData::readVersionAndPictureNames(const CustomIniFile& ini)
{
    const QString version = QStringLiteral("VERSION");
    skinname = ini.readString(version, QStringLiteral("skinname"), QString());
    skinauthor = ini.readString(version, QStringLiteral("skinauthor"), QString());
    authoremail = ini.readString(version, QStringLiteral("authoremail"), QString());
    authorurl = ini.readString(version, QStringLiteral("authorurl"), QString());
    skincomments = ini.readString(version, QStringLiteral("skincomments"), QString());
    picture = ini.readString(picturesSection, QStringLiteral("picture"), QString());
    inactivepicture = ini.readString(picturesSection, QStringLiteral("inactivepicture"), QString());
    mask = ini.readString(picturesSection, QStringLiteral("mask"), QString());
}

void TkvSkinData::readRecords(const CustomIniFile& ini)
{
    ReadFormInfo(ini);
    PopupWindowRecord.LoadFromFile(ini);
    HintWindowRecord.LoadFromFile(ini);
    ReadObjects(ini);
    ReadCtrls(ini);
}

void TkvSkinData::finishLoad()
{
    m_isEmpty = false;
    SendSkinDataMessage(SKINMSG_CHANGE);
    SendSkinDataMessage(SKINMSG_AFTERCHANGE);
}

} // namespace skin
