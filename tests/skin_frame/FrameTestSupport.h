#pragma once

#include "tests/support/TestTimers.h"

#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSorvane.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace frametest {

using testsupport::fireTimer;
using testsupport::timerActive;
using testsupport::timerInterval;

inline const QString kAssets = QStringLiteral(FCT_ASSETS_DIR);

// A window like the main one: a fixed 710 x 447 client, the caption
// buttons system menu, minimize and roll-up, and the program's skin.
class SkinnedWindow {
public:
    explicit SkinnedWindow(bool withSkin = true);
    ~SkinnedWindow();

    QWidget* form() const { return m_form.get(); }
    skin::TkvSorvane* frame() const { return m_frame; }
    skin::TkvSkinData* skin() const { return m_skin; }
    // Shown and active, so that the frame tracks the pointer.
    void show();
    skin::TkvActiveSkinObject* object(const QString& name) const;

private:
    std::unique_ptr<QWidget> m_form;
    skin::TkvSkinData* m_skin;
    skin::TkvSorvane* m_frame;
};

void savePicture(const QImage& image, const QString& name);

} // namespace frametest
