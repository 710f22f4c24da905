// Reads arbitrary text as a skin definition beside the pictures of the
// feature skin and puts the skin on a window frame: the objects it makes
// (caption, caption buttons, animations, plates, hints) laid out at small
// and large sizes, painted, lit under the pointer and played; its hint
// window and its system menu. A hostile skin may look wrong, but nothing may
// crash or read outside a picture.

#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvSkinHint.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSkinPopupWindow.h"
#include "skin/frame/TkvSorvane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdlib>

namespace {

void exercise(skin::TkvSorvane& frame, QWidget& form, QSize size)
{
    form.resize(size);
    form.grab();
    for (const auto& object : frame.Objects()) {
        const skin::TRect r = object->ObjectRect;
        frame.TestActive(r.left + r.width() / 2, r.top + r.height() / 2, true);
        if (auto* animation = dynamic_cast<skin::TkvSkinAnimateObject*>(object.get()))
            animation->Start();
    }
    for (int tick = 0; tick < 12; ++tick) {
        frame.TestAnimate();
        frame.TestMorph();
    }
    form.grab();
    frame.TestActive(-1, -1, true);
}

// A folder with the feature skin's pictures; each input becomes its
// definition.
QTemporaryDir* pictures = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own storage goes before static objects.
    new QApplication(*argc, *argv);
    pictures = new QTemporaryDir;
    const QDir skin(QStringLiteral(FCT_FEATURE_SKIN_DIR));
    for (const QString& file : skin.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        QFile::copy(skin.filePath(file), QDir(pictures->path()).filePath(file));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString definition = QDir(pictures->path()).filePath(QStringLiteral("skin.ini"));
    platform::writeWholeFile(definition, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QWidget form;
    auto* skinData = new skin::TkvSkinData(&form);
    try {
        skinData->LoadFromFile(definition);
    } catch (const platform::Exception&) {
        return 0;
    }
    if (skinData->IsEmpty())
        return 0;
    auto* frame = new skin::TkvSorvane(&form);
    frame->SetShowIcon(true);
    frame->SetSkinData(skinData);
    form.show();
    for (const QSize s : {QSize(1, 1), QSize(170, 60), QSize(720, 476)})
        exercise(*frame, form, s);

    const skin::HintFace hint(skinData, QStringLiteral("Minimize to Tray"));
    platform::TBitmap face;
    hint.draw(face);
    if (face.Width() != hint.size().width() || face.Height() != hint.size().height())
        std::abort();
    hint.region();

    frame->TrackSystemMenu(10, 10);
    if (frame->SkinMenu().Levels() > 0)
        frame->SkinMenu().Level(0)->grab();
    frame->SkinMenu().Hide();
    // The menu's windows go at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
