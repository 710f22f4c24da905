#pragma once

#include "platform/BmpCodec.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinPictureCache.h"
#include "skin/data/SkinTypes.h"
#include "skin/data/SkinWindowRecords.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvResourceStrData.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <vector>

namespace skin {

// One loaded skin: its pictures, the frame geometry of [FORMINFO], the
// popup and hint window records and the catalogues of object and control
// records. Windows and controls look records up by name and copy what they
// need; every change is announced to the windows with the skin messages,
// and consumers drop their pointers into the skin on SKINMSG_BEFORECHANGE.
// While IsEmpty() is true the records and pictures must not be used.
class TkvSkinData : public QObject {
    Q_OBJECT

public:
    explicit TkvSkinData(QObject* owner = nullptr);
    // Frees everything without sending a message.
    ~TkvSkinData() override;

    TkvCompressedStoredSkin* CompressedStoredSkin() const { return m_compressedStoredSkin; }
    // Loads the stored skin at once when value is set.
    void SetCompressedStoredSkin(TkvCompressedStoredSkin* value);
    TkvResourceStrData* ResourceStrData() const { return m_resourceStrData; }
    // Sends SKINMSG_RESSTRCHANGE.
    void SetResourceStrData(TkvResourceStrData* value);

    bool IsEmpty() const { return m_isEmpty; }

    // The active picture a picture index selects; nullptr for -1, an index
    // at or beyond the list's length, or an empty picture.
    const platform::BmpImage* activeBitmap(qint32 pictureIndex) const;

    // The pictures decoded for drawing: each is decoded once per load and
    // freed when the skin is cleared, so no one may keep these pointers past
    // SKINMSG_BEFORECHANGE. nullptr where the picture is empty or the index
    // selects none.
    const platform::TBitmap* decodedPicture() const;
    const platform::TBitmap* decodedInactivePicture() const;
    const platform::TBitmap* decodedMask() const;
    const platform::TBitmap* decodedActivePicture(qint32 pictureIndex) const;

    // First record whose IDName equals name exactly (case-sensitive), or -1.
    int GetIndex(const QString& name) const;
    int GetControlIndex(const QString& name) const;

    // To the owner's window first, then to every other top-level window;
    // each receiver has handled it when this returns.
    void SendSkinDataMessage(int message);

    void ClearObjects();
    void ClearAll();
    // ClearAll, then the three change messages.
    void ClearSkin();

    // Splits a listing entry "name:kind" at its first ":"; no ":" gives two
    // empty strings.
    static void GetObjectTypeName(const QString& entry, QString& name, QString& kind);

    void ReadObjects(const CustomIniFile& ini);
    void ReadCtrls(const CustomIniFile& ini);
    void WriteObjects(CustomIniFile& ini);
    void WriteCtrls(CustomIniFile& ini);
    // Reads [FORMINFO] and normalises the frame points, "maskrectarea" and
    // the hit-test points.
    void ReadFormInfo(const CustomIniFile& ini);
    void WriteFormInfo(CustomIniFile& ini);
    // The "activepictures" list of [PICTURES], each bitmap loaded from folder.
    void ReadActivePictures(const CustomIniFile& ini, const QString& folder);
    void WriteActivePictures(CustomIniFile& ini);
    void AddBitMap(const QString& fileName);
    void DeleteBitMap(int index);
    void SaveToCustomIniFile(CustomIniFile& ini);

    // Load and save paths of the three skin forms.
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName);
    void StoreToDisk(const QString& fileName);
    void LoadCompressedStoredSkin(TkvCompressedStoredSkin* storedSkin);
    void LoadFromCompressedFile(const QString& fileName);
    void SaveToCompressedFile(const QString& fileName);

    // The [FORMINFO] keys in the order they are written.
    void visitFormInfo(SkinFieldVisitor& v);

    // [FORMINFO]
    TRect buttonsrect;
    TRect captionrect;
    qint32 buttonsoffset = 0;
    bool buttonsinleft = false;
    bool autorenderinginactiveimage = false;
    TkvInActiveEffect inactiveeffect = TkvInActiveEffect::ieBrightness;

    TkvDataSkinPopupWindow PopupWindowRecord;
    TkvDataSkinHintWindow HintWindowRecord;

    platform::BmpImage PictureBitmap;
    platform::BmpImage InactivePictureBitmap;
    platform::BmpImage MaskBitmap;
    // A picture index is a position in this list.
    QList<platform::BmpImage> ActiveBitmaps;

    // [PICTURES]
    QString picture;
    QString inactivepicture;
    QString mask;
    QStringList ActivePictureNames;

    std::vector<std::unique_ptr<TkvDataSkinObject>> SkinObjects;
    std::vector<std::unique_ptr<TkvDataSkinControl>> SkinControls;

    // [FORMINFO]
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    qint32 bgpictureindex = -1;
    qint32 mdibgpictureindex = -1;
    bool mainmenupopupup = false;
    TRect maskrectarea;
    TPoint hittestlefttoppoint;
    TPoint hittestrighttoppoint;
    TPoint hittestleftbottompoint;
    TPoint hittestrightbottompoint;
    TRect clientrect;
    qint32 borderwidth = 0;
    bool topstretch = false;
    bool leftstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;

    // [VERSION]
    QString skinname;
    QString skinauthor;
    QString authorurl;
    QString authoremail;
    QString skincomments;

private:
    void readVersionAndPictureNames(const CustomIniFile& ini);
    void readRecords(const CustomIniFile& ini);
    void finishLoad();

    bool m_isEmpty = true;
    mutable SkinPictureCache m_decoded;
    QPointer<TkvCompressedStoredSkin> m_compressedStoredSkin;
    QPointer<TkvResourceStrData> m_resourceStrData;
};

} // namespace skin
