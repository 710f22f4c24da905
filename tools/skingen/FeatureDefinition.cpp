// The feature skin's definition: the program skin's, with one of every
// frame feature the engine draws, so that each can be exercised and looked
// at.

#include "FeatureLayout.h"
#include "SkinDefinition.h"

#include "skin/data/SkinObjectRecords.h"


namespace skingen {

using namespace layout;
using namespace features;
using namespace skin;

namespace {

template<typename Record>
Record& objectNamed(TkvSkinData& data, const QString& name)
{
    const int index = data.GetIndex(name);
    auto* record = index < 0 ? nullptr : dynamic_cast<Record*>(data.SkinObjects[size_t(index)].get());
    Q_ASSERT(record);
    return *record;
}

// Caption buttons whose every face lies in the feature picture.
void featureButton(TkvSkinData& data, const QString& name, int row)
{
    auto& b = objectNamed<TkvDataSkinStdButton>(data, name);
    b.activepictureindex = kFeaturePicture;
    b.skinrect = kFeatureButton(row, CaptionState::Normal);
    b.activeskinrect = kFeatureButton(row, CaptionState::Hot);
    b.downrect = kFeatureButton(row, CaptionState::Down);
    b.inactiveskinrect = kFeatureButton(row, CaptionState::Inactive);
    b.disableskinrsect = kFeatureButton(row, CaptionState::Disabled);
}

void defineFeatureCaption(TkvSkinData& data)
{
    auto& caption = objectNamed<TkvDataSkinCaption>(data, QStringLiteral("caption"));
    caption.skinrect = kFeatureCaption;
    caption.activepictureindex = kFeaturePicture;
    caption.activeskinrect = kFeatureCaptionActive;
    caption.textrect = kFeatureCaptionText;
    caption.framerect = kPlate;
    caption.activeframerect = kPlateActive;
    caption.frameleftoffset = kPlateEnd;
    caption.framerightoffset = kPlateEnd;
    caption.frametextrect = kPlateText;
}

std::unique_ptr<TkvDataSkinAnimate> animation(const QString& name, const TRect& strip, int frames)
{
    auto a = std::make_unique<TkvDataSkinAnimate>(name);
    a->activepictureindex = kFeaturePicture;
    a->skinrectinapicture = true;
    a->skinrect = firstFrame(strip);
    a->activeskinrect = strip;
    a->countframes = frames;
    a->timerinterval = 50;
    return a;
}

void defineFeatureObjects(TkvSkinData& data)
{
    defineFeatureCaption(data);
    featureButton(data, QStringLiteral("closebutton"), kCloseRow);
    featureButton(data, QStringLiteral("minimizebutton"), kMinimizeRow);
    featureButton(data, QStringLiteral("maximizebutton"), kMaximizeRow);
    auto& maximize = objectNamed<TkvDataSkinStdButton>(data, QStringLiteral("maximizebutton"));
    maximize.restorerect = kFeatureButton(kRestoreRow, CaptionState::Normal);
    maximize.restoreactiverect = kFeatureButton(kRestoreRow, CaptionState::Hot);
    maximize.restoredownrect = kFeatureButton(kRestoreRow, CaptionState::Down);
    maximize.restoreinactiverect = kFeatureButton(kRestoreRow, CaptionState::Inactive);

    // The roll-up button becomes an animation that plays forward while the
    // pointer is over it and back when it leaves.
    auto rollUp = animation(QStringLiteral("rollupbutton"), kRollUpStrip, kRollUpFrames);
    rollUp->buttonstyle = true;
    rollUp->command = TkvStdCommand::cmRollUp;
    const auto place = data.SkinObjects.begin() + data.GetIndex(QStringLiteral("rollupbutton"));
    *place = std::move(rollUp);

    auto help = std::make_unique<TkvDataSkinButton>(QStringLiteral("helpbutton"));
    help->skinrect = kPlainButtonPlace;
    help->activepictureindex = kFeaturePicture;
    help->activeskinrect = kPlainButtonHot;
    help->downrect = kPlainButtonDown;
    help->disableskinrsect = kPlainButtonDisabled;
    help->morphing = true;
    help->morphkind = TkvMorphKind::mkGradient;
    data.SkinObjects.push_back(std::move(help));

    // Not a button, so it takes the button row's free place after the
    // buttons; a window starts it while it works.
    auto busy = animation(QStringLiteral("busyindicator"), kBusyStrip, kBusyFrames);
    busy->cycle = true;
    data.SkinObjects.push_back(std::move(busy));

    auto lamp = std::make_unique<TkvDataUserObject>(QStringLiteral("linklamp"));
    lamp->skinrect = kUserObjectPlace;
    data.SkinObjects.push_back(std::move(lamp));

    // A user object's record keeps only its place, so it carries no hint.
    const std::pair<const char*, const char*> hints[] = {
        {"menuitem", "Choose a command"},
        {"caption", "Drag to move the window"},
        {"closebutton", "Close"},
        {"minimizebutton", "Minimize"},
        {"maximizebutton", "Maximize"},
        {"rollupbutton", "Roll up"},
        {"sysmenubutton", "Window menu"},
        {"mainmenubaritem", "Open this menu"},
        {"menubarsysmenubutton", "Window menu"},
        {"menubarclosebutton", "Close"},
        {"menubarmaxbutton", "Maximize"},
        {"menubarminbutton", "Minimize"},
        {"helpbutton", "Help"},
        {"busyindicator", "Busy"},
    };
    for (const auto& [name, hint] : hints)
        objectNamed<TkvDataSkinObject>(data, QLatin1String(name)).hint = QLatin1String(hint);
}

} // namespace

void defineFeatureSkin(TkvSkinData& data, const SkinPalette& palette)
{
    defineSkin(data, palette);
    data.skinname = QStringLiteral("Features");
    data.skincomments = QStringLiteral("%1 with one of every frame feature the engine draws: animations, hints, a caption "
                                       "text frame, a plain button, a user object, shaped hint and popup windows")
                            .arg(palette.name);
    data.ActivePictureNames = kActiveFiles + kFeatureFiles;
    data.lefttoppoint = kFeatureLeftTop;
    data.hittestlefttoppoint = kFeatureLeftTop;
    data.captionrect = kFeatureCaption;
    data.PopupWindowRecord.maskpictureindex = kPopupMaskPicture;
    data.HintWindowRecord.maskpictureindex = kHintMaskPicture;
    defineFeatureObjects(data);
}

} // namespace skingen
