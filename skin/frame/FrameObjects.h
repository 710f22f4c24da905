#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/frame/FrameTypes.h"

#include <QPoint>

#include <optional>

namespace skin {

class TkvMenuItem;
class TkvSkinData;
class TkvSorvane;

// One object of the skinned frame: the caption, a caption button or an
// area the application draws. It copies what it needs from its record,
// knows its place on the window (ObjectRect, window coordinates) and draws
// itself there in its current state.
class TkvActiveSkinObject {
public:
    TkvActiveSkinObject(TkvSorvane& owner, const TkvDataSkinObject* record);
    virtual ~TkvActiveSkinObject() = default;
    TkvActiveSkinObject(const TkvActiveSkinObject&) = delete;
    TkvActiveSkinObject& operator=(const TkvActiveSkinObject&) = delete;

    virtual bool CanMorphing() const;
    // Draws into canvas, whose (0, 0) lies at origin of the window; update
    // false skips parts the frame picture already shows.
    virtual void Draw(platform::TCanvas& canvas, QPoint origin, bool update);
    virtual void DblClick() {}
    virtual void MouseDown(int X, int Y, Qt::MouseButton button);
    virtual void MouseUp(int X, int Y, Qt::MouseButton button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The window command the object carries: caption buttons and
    // animations have one.
    virtual std::optional<TkvStdCommand> windowCommand() const { return std::nullopt; }
    // Shown or hidden by the window's border icons, like a caption button.
    virtual bool isCaptionButton() const { return false; }
    // The window took the pointer away: dark again, nothing redrawn.
    virtual void dropHover();

    // Starts the morph timer when the object morphs, else repaints it now.
    void Redraw();
    void RedrawNow();
    void SetMorphKf(double value);
    void DoMorphing();

    QString IDName;
    QString hint;
    TRect skinrect;
    TRect activeskinrect;
    TRect inactiveskinrect;
    bool skinrectinapicture = false;
    bool morphing = false;
    TkvMorphKind morphkind = TkvMorphKind::mkDefault;
    TRect ObjectRect;
    bool enabled = true;
    bool visible = true;
    bool highlighted = false;
    bool mouseInside = false;
    double morphKf = 0;

protected:
    bool morphInProgress() const;
    // source's rectangle stretched onto ObjectRect.
    void copyTo(platform::TCanvas& canvas, QPoint origin, const platform::TBitmap* source, const TRect& rect) const;
    // A blend of two pictures' rectangles by the morph factor.
    void morphTo(platform::TCanvas& canvas, QPoint origin, const platform::TBitmap* fromPicture, const TRect& from,
        const TRect& to) const;
    bool formActive() const;
    // Opens menu below the object (or above it with popupUp).
    void popupMenu(TkvMenuItem* menu, bool popupUp) const;

    TkvSorvane& m_owner;
    const platform::TBitmap* m_picture = nullptr;
    const platform::TBitmap* m_activePicture = nullptr;
};

// An area of the frame the application draws (OnPaintEvent).
class TkvUserObject : public TkvActiveSkinObject {
public:
    using TkvActiveSkinObject::TkvActiveSkinObject;
    void Draw(platform::TCanvas& canvas, QPoint origin, bool update) override;
};

class TkvSkinButtonObject : public TkvActiveSkinObject {
public:
    TkvSkinButtonObject(TkvSorvane& owner, const TkvDataSkinButton* record);

    bool CanMorphing() const override;
    void Draw(platform::TCanvas& canvas, QPoint origin, bool update) override;
    void MouseDown(int X, int Y, Qt::MouseButton button) override;
    void MouseUp(int X, int Y, Qt::MouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    void SetDown(bool value);
    // Opens the attached menu below (or above) the button.
    void TrackMenu();

    bool down = false;
    bool popupUp = false;
    TRect downrect;
    TRect disabledrect;
    TkvMenuItem* menuItem = nullptr;
};

class TkvSkinStdButtonObject : public TkvSkinButtonObject {
public:
    // Without a record: a button of the default frame.
    TkvSkinStdButtonObject(TkvSorvane& owner, const TkvDataSkinStdButton* record);
    TkvSkinStdButtonObject(TkvSorvane& owner, QString name, TkvStdCommand command);

    bool CanMorphing() const override;
    void Draw(platform::TCanvas& canvas, QPoint origin, bool update) override;
    void DblClick() override;
    void MouseDown(int X, int Y, Qt::MouseButton button) override;
    void MouseUp(int X, int Y, Qt::MouseButton button) override;

    std::optional<TkvStdCommand> windowCommand() const override { return command; }
    bool isCaptionButton() const override { return true; }
    void DoCommand();

    TkvStdCommand command = TkvStdCommand::cmDefault;
    TRect restorerect;
    TRect restoreactiverect;
    TRect restoredownrect;
    TRect restoreinactiverect;
    bool skinSupport = true;

private:
    bool inRestoreState() const;
    bool drawsWindowIcon() const;
    void drawDefault(platform::TCanvas& canvas, QPoint origin) const;
};

// An area that plays the frames of its picture: on its own once started
// (cycling or to its last frame), or, as a caption button, forward while
// the pointer is over it and back to its first frame when it leaves.
class TkvSkinAnimateObject : public TkvActiveSkinObject {
public:
    TkvSkinAnimateObject(TkvSorvane& owner, const TkvDataSkinAnimate* record);

    void Draw(platform::TCanvas& canvas, QPoint origin, bool update) override;
    void DblClick() override;
    void MouseUp(int X, int Y, Qt::MouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    std::optional<TkvStdCommand> windowCommand() const override { return command; }
    bool isCaptionButton() const override { return buttonstyle; }
    void dropHover() override;

    // Shows frame n (1-based; wraps around in the direction of play).
    void SetFrame(int n);
    void Start();
    void Stop();
    // One 25 ms tick of the animation timer.
    void ChangeFrame();
    void DoCommand();
    // Where frame n lies in the active picture.
    TRect frameRect(int n) const;

    int frame = 1;
    int elapsed = 25;
    int timerinterval = 50;
    int countframes = 1;
    bool cycle = false;
    bool buttonstyle = false;
    TkvStdCommand command = TkvStdCommand::cmDefault;
    bool forward = true;
    bool popupUp = false;
    TkvMenuItem* menuItem = nullptr;

private:
    void play(bool forwards);
};

class TkvSkinCaptionObject : public TkvActiveSkinObject {
public:
    TkvSkinCaptionObject(TkvSorvane& owner, const TkvDataSkinCaption* record);

    void Draw(platform::TCanvas& canvas, QPoint origin, bool update) override;
    void MouseDown(int X, int Y, Qt::MouseButton button) override;
    void MouseUp(int X, int Y, Qt::MouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // Its light follows the window's activation, not the pointer.
    void dropHover() override {}

    // The caption text as drawn into a rectangle width wide (shortened
    // with "..." when it does not fit).
    QString fittedText(platform::TCanvas& canvas, int width) const;

    QString fontname;
    TFontStyles fontstyle;
    int fontheight = 14;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    bool shadow = false;
    TColor shadowcolor = 0;
    TColor activeshadowcolor = 0;
    TAlignment alignment = TAlignment::taCenter;
    TRect textrect;
    TRect framerect;
    TRect activeframerect;
    int frameleftoffset = 0;
    int framerightoffset = 0;
    TRect frametextrect;

private:
    // The background of one state, ObjectRect's size, with the text.
    void buildFace(platform::TBitmap& face, bool active) const;
    void drawText(platform::TCanvas& canvas, QPoint at, bool active) const;
    // The plate behind the text, from x to x + textWidth, when the caption
    // has one.
    void drawTextFrame(platform::TCanvas& canvas, int x, int y, int textWidth, bool active) const;
    bool hasTextFrame() const { return !isNullRect(framerect); }
    TRect textRect() const;
    void applyInactiveEffect(platform::TBitmap& face) const;
};

// The window commands that caption buttons and animations share: close,
// maximize, minimize (to the tray when the frame always does), roll-up and
// minimize to the tray.
void runWindowCommand(TkvSorvane& frame, TkvStdCommand command);

} // namespace skin
