// The frame component: construction, properties, the skin change, the
// objects' operations and the window events it takes over, each handed to
// the part that keeps it.

#include "skin/frame/TkvSorvane.h"

#include "skin/data/SkinMessages.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/SkinClient.h"
#include "skin/frame/TkvSkinHint.h"
#include "skin/frame/TkvSkinMenu.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace skin {

TkvSorvane::TkvSorvane(QWidget* form)
    : QObject(form)
    , m_form(form)
    , m_client(new QWidget(form))
    , m_menus(*this, [this] { letGoAfterMenu(); })
    , m_router(m_objects.items(),
          {[this] { return GetFormActive(); }, [this] { return m_mouse.drag().inSizeMove(); },
              [this] { return CursorPos() - m_form->geometry().topLeft(); }, [this] { return clientRect(); },
              [this](const QString& text) { showObjectHint(text); }, [this] { hideObjectHint(); }},
          this)
{
    setObjectName(QStringLiteral("kvSorvane"));
    CursorPos = [] { return QCursor::pos(); };
    m_morphTimer = new QTimer(this);
    m_morphTimer->setObjectName(QStringLiteral("morphTimer"));
    m_morphTimer->setInterval(20);
    connect(m_morphTimer, &QTimer::timeout, this, &TkvSorvane::TestMorph);
    m_animateTimer = new QTimer(this);
    m_animateTimer->setObjectName(QStringLiteral("animateTimer"));
    m_animateTimer->setInterval(25);
    connect(m_animateTimer, &QTimer::timeout, this, &TkvSorvane::TestAnimate);
    // The platform draws no frame: this component is the frame.
    m_form->setWindowFlags(m_form->windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    m_form->setMouseTracking(true);
    m_form->setAttribute(Qt::WA_OpaquePaintEvent);
    m_client->setObjectName(QStringLiteral("clientArea"));
    // The client paints its whole background, so a control's repaint never
    // reaches the frame under it.
    m_client->setAttribute(Qt::WA_OpaquePaintEvent);
    m_form->installEventFilter(this);
    m_client->installEventFilter(this);
    placeClientArea();
}

TkvSorvane::~TkvSorvane()
{
    m_form->removeEventFilter(this);
    m_client->removeEventFilter(this);
    ClearObjects();
}

TkvSkinData* TkvSorvane::menuSkin() const { return m_menusSkinData ? m_menusSkinData.data() : m_skinData.data(); }

void TkvSorvane::SetSkinData(TkvSkinData* value)
{
    if (value != m_skinData) {
        disconnect(m_skinDataWatch);
        if (value)
            m_skinDataWatch = connect(value, &QObject::destroyed, this, &TkvSorvane::skinDataDestroyed);
    }
    m_skinData = value;
    ChangeSkinData();
}

void TkvSorvane::skinDataDestroyed()
{
    // Its records and pictures are gone already, so the objects go at once.
    // The window itself may be on its way out (its children are freed one
    // by one), so the default frame is built from the event loop, and only
    // if the frame still lives then.
    dropSkin();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_skinData)
                ChangeSkinData();
        },
        Qt::QueuedConnection);
}

void TkvSorvane::dropSkin()
{
    m_skinInUse = false;
    m_painter.dropClientTile();
    m_router.stopTracking();
    m_morphTimer->stop();
    m_animateTimer->stop();
    hideObjectHint();
    ClearObjects();
}

void TkvSorvane::SetBorderIcons(TkvBorderIcons value)
{
    if (m_borderIcons == value)
        return;
    m_borderIcons = value;
    // The default buttons come back and the rules apply again.
    LoadDefObjects();
    CreateNewForm();
    m_form->update();
}

void TkvSorvane::SetHideCaptionButtons(bool value)
{
    if (m_hideCaptionButtons == value)
        return;
    m_hideCaptionButtons = value;
    ChangeSkinData();
}

void TkvSorvane::SetShowIcon(bool value)
{
    if (m_showIcon == value)
        return;
    m_showIcon = value;
    CreateNewForm();
    m_form->update();
}

void TkvSorvane::SetSkinHint(TkvSkinHint* value)
{
    if (m_skinHint && m_skinHint != value)
        m_skinHint->HideHint();
    m_skinHint = value;
}

void TkvSorvane::SetLogoBitMap(const QImage& value)
{
    m_logoBitMap = value;
    m_painter.setLogo(m_logoBitMap, m_logoBitMapTransparent);
    m_client->update();
}

void TkvSorvane::SetLogoBitMapTransparent(bool value)
{
    if (m_logoBitMapTransparent == value)
        return;
    m_logoBitMapTransparent = value;
    m_painter.setLogo(m_logoBitMap, m_logoBitMapTransparent);
    m_client->update();
}

void TkvSorvane::SetClientWidth(int value)
{
    m_clientWidth = value;
    m_sizer.fitClient();
}

void TkvSorvane::SetClientHeight(int value)
{
    m_clientHeight = value;
    m_sizer.fitClient();
}

void TkvSorvane::SetSizeable(bool value)
{
    m_sizeable = value;
    m_sizer.applySize(FormWidth(), FormHeight());
}

int TkvSorvane::FormWidth() const { return m_form->width(); }
int TkvSorvane::FormHeight() const { return m_form->height(); }

bool TkvSorvane::GetFormActive() const { return m_form->isActiveWindow(); }

void TkvSorvane::ChangeSkinData()
{
    hideObjectHint();
    m_router.forget();
    m_painter.dropClientTile();
    m_skinInUse = m_skinData && !m_skinData->IsEmpty();
    if (m_skinInUse) {
        LoadObjects();
    } else {
        ClearObjects();
        m_form->clearMask();
        m_layout.dropRegion();
    }
    m_sizer.fitClient();
    CreateNewForm();
    m_form->update();
    m_client->update();
    FormChangeActive(true);
    if (OnChangeSkinData)
        OnChangeSkinData(this);
}

void TkvSorvane::ClearObjects()
{
    m_objects.clear();
    m_router.forget();
}

void TkvSorvane::LoadObjects()
{
    ClearObjects();
    m_objects.load(*this, *m_skinData);
    CheckObjects();
}

void TkvSorvane::LoadDefObjects()
{
    ClearObjects();
    m_objects.loadDefault(*this);
    CheckObjects();
}

void TkvSorvane::CheckObjects()
{
    m_objects.check(m_borderIcons, m_hideCaptionButtons ? CaptionButtons::Hidden : CaptionButtons::Shown,
        OnActivateCustomObject);
    CheckObjectsHint();
}

void TkvSorvane::CheckObjectsHint()
{
    if (UseDefaultObjectHint && m_skinData)
        m_objects.checkHints(m_skinData->ResourceStrData());
}

void TkvSorvane::showObjectHint(const QString& text)
{
    if (ShowObjectHint && m_skinHint)
        m_skinHint->ActivateHint2(text);
}

void TkvSorvane::hideObjectHint()
{
    if (m_skinHint)
        m_skinHint->HideHint();
}

int TkvSorvane::GetIndex(const QString& IDName) const { return m_objects.indexOf(IDName); }

void TkvSorvane::SetEnabled(const QString& IDName, bool value)
{
    if (TkvActiveSkinObject* object = m_objects.find(IDName)) {
        object->enabled = value;
        drawObject(*object);
    }
}

void TkvSorvane::UserObjectDraw(const QString& IDName)
{
    if (TkvActiveSkinObject* object = m_objects.find(IDName))
        drawObject(*object);
}

void TkvSorvane::LinkMenu(const QString& IDName, TkvMenuItem* menu, bool popupUp)
{
    TkvActiveSkinObject* object = m_objects.find(IDName);
    if (auto* button = dynamic_cast<TkvSkinButtonObject*>(object)) {
        button->menuItem = menu;
        button->popupUp = popupUp;
    } else if (auto* animation = dynamic_cast<TkvSkinAnimateObject*>(object)) {
        animation->menuItem = menu;
        animation->popupUp = popupUp;
    }
}

void TkvSorvane::Close() { m_form->close(); }

void TkvSorvane::FormChangeActive(bool update)
{
    const bool active = GetFormActive();
    for (const auto& object : m_objects.items()) {
        auto* caption = dynamic_cast<TkvSkinCaptionObject*>(object.get());
        if (!caption || caption->highlighted == active)
            continue;
        caption->highlighted = active;
        if (update) {
            m_form->update();
            if (caption->morphing)
                startMorphTimer();
        } else if (caption->morphing) {
            caption->morphKf = active ? 1 : 0;
        }
        break;
    }
    if (active && OnActivate)
        OnActivate(this);
    else if (!active && OnDeActivate)
        OnDeActivate(this);
}

bool TkvSorvane::skinMessage(QEvent* event)
{
    const int code = int(event->type());
    if (code == SKINMSG_CLOSEMENU) {
        SkinMenuClose();
        return true;
    }
    if (!isSkinDataMessage(event))
        return false;
    auto* data = static_cast<TkvSkinMessageEvent*>(event)->WParam();
    if (code == SKINMSG_BEFORECHANGE) {
        // An open menu may draw from another skin data than the frame's.
        if (data == m_skinData || (data && data == m_menus.menu().skinData() && m_menus.menu().Visible()))
            m_menus.menu().Hide();
        if (data == m_skinData)
            dropSkin();
    } else if (code == SKINMSG_CHANGE && data == m_skinData) {
        ChangeSkinData();
    } else if (code == SKINMSG_RESSTRCHANGE && data == m_skinData) {
        CheckObjectsHint();
        return true;
    }
    forwardSkinChange(m_form, code, data);
    return true;
}

bool TkvSorvane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(m_client);
            paintClient(painter, static_cast<QPaintEvent*>(event)->region());
            return true;
        }
        return false;
    }
    if (watched != m_form)
        return false;
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(m_form);
        paintFrame(painter, static_cast<QPaintEvent*>(event)->region());
        return true;
    }
    case QEvent::Resize:
        m_menus.menu().Hide();
        hideObjectHint();
        m_sizer.followScale();
        CreateNewForm();
        return false;
    case QEvent::Move:
        m_menus.menu().Hide();
        hideObjectHint();
        m_sizer.snap();
        return false;
    case QEvent::ActivationChange:
        if (!m_form->isActiveWindow())
            m_menus.menu().Hide();
        hideObjectHint();
        UpDateActiveObjects();
        FormChangeActive(true);
        m_form->update();
        return false;
    case QEvent::WindowTitleChange:
        m_form->update();
        return false;
    case QEvent::Show:
        m_fade.start();
        return false;
    case QEvent::WindowStateChange:
        // Restored by the platform (a task bar), not by the frame.
        if (!(m_form->windowState() & Qt::WindowMinimized))
            changeState(FrameStateEvent::RestoredByPlatform);
        return false;
    case QEvent::Close:
        m_menus.menu().Hide();
        hideObjectHint();
        return false;
    case QEvent::Hide:
        m_router.stopTracking();
        m_morphTimer->stop();
        m_animateTimer->stop();
        hideObjectHint();
        return false;
    case QEvent::MouseButtonPress:
        hideObjectHint();
        m_mouse.press(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        m_mouse.move(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        m_mouse.release(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        m_mouse.doubleClick(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::Leave:
        m_router.leave();
        return false;
    default:
        return skinMessage(event);
    }
}

TkvSorvane* GetSorvaneComponent(const QWidget* form)
{
    return form ? form->findChild<TkvSorvane*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace skin
