// preview: the skin on a window with everything it can show switched on.

#include "tools/skntool/PreviewWindow.h"

#include "tools/skntool/SkntoolCommands.h"

#include "platform/ClassicErrors.h"
#include "platform/Color.h"
#include "platform/TImageList.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinListBox.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvSkinHint.h"
#include "skin/frame/TkvSorvane.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace skntool {

using namespace skin;

namespace {

// A small round icon, so that a skin whose system-menu button leaves room
// for the window's icon shows one.
QIcon previewIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(230, 150, 30));
    painter.setPen(QColor(60, 40, 10));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.drawLine(QPointF(8, 3), QPointF(8, 13));
    painter.drawLine(QPointF(3, 8), QPointF(13, 8));
    return QIcon(pixmap);
}

// Three coloured squares for the combo box's items.
platform::TImageList* itemPictures(QObject* owner)
{
    auto* list = new platform::TImageList(12, 12, owner);
    platform::TBitmap strip(36, 12);
    const QRgb colours[] = {qRgb(200, 60, 40), qRgb(60, 160, 60), qRgb(50, 90, 200)};
    for (int i = 0; i < 3; ++i) {
        strip.Canvas().Brush.Color = platform::fromQRgb(colours[i]);
        strip.Canvas().Pen.Color = platform::clBlack;
        strip.Canvas().Rectangle(i * 12 + 1, 1, i * 12 + 11, 11);
    }
    list->AddMasked(strip, platform::clWhite);
    return list;
}

void buildSystemMenu(TkvMenuItem& menu)
{
    menu.Add(QStringLiteral("PreviewSample"), QStringLiteral("Sample &item"));
    TkvMenuItem* options = menu.Add(QStringLiteral("PreviewOptions"), QStringLiteral("&Options"));
    options->Add(QStringLiteral("PreviewChecked"), QStringLiteral("&Checked"))->Checked = true;
    TkvMenuItem* radio = options->Add(QStringLiteral("PreviewRadio"), QStringLiteral("&Radio"));
    radio->RadioItem = true;
    radio->Checked = true;
    options->AddSeparator();
    options->Add(QStringLiteral("PreviewDisabled"), QStringLiteral("Disabled"))->Enabled = false;
}

// The window and every part the preview shows.
class PreviewWindow : public QWidget {
public:
    explicit PreviewWindow(const QString& skinPath)
        : m_skin(new TkvSkinData(this))
        , m_frame(new TkvSorvane(this))
        , m_hint(new TkvSkinHint(this))
    {
        loadSkin(*m_skin, skinPath);
        setWindowTitle(QStringLiteral("Skin preview - %1").arg(m_skin->skinname));
        setWindowIcon(previewIcon());
        m_frame->SetBorderIcons({TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize, TkvBorderIcon::biMaximize,
            TkvBorderIcon::biRollUp});
        m_frame->SetShowIcon(true);
        m_frame->SetSkinHint(m_hint);
        m_frame->ShowObjectHint = true;
        m_frame->SetMenusAlphaBlend(true);
        m_frame->SetMenusAlphaBlendValue(235);
        m_frame->SetMenusAlphaBlendAnimation(true);
        buildSystemMenu(m_systemMenu);
        m_frame->SystemMenu = &m_systemMenu;
        m_frame->SetClientWidth(440);
        m_frame->SetClientHeight(250);
        m_hint->SetSkinData(m_skin);
        buildControls(m_frame->ClientArea());
        m_frame->SetSkinData(m_skin);
        for (QWidget* widget : findChildren<QWidget*>()) {
            if (auto* control = dynamic_cast<SkinLink*>(widget))
                control->SetSkinData(m_skin);
        }
    }

    TkvSorvane& frame() const { return *m_frame; }
    TkvSkinHint& hint() const { return *m_hint; }
    TkvSkinComboBox& list() const { return *m_list; }

    // The animations that run on their own, once the window shows.
    void startAnimations()
    {
        for (const auto& object : m_frame->Objects()) {
            auto* animation = dynamic_cast<TkvSkinAnimateObject*>(object.get());
            if (animation && !animation->buttonstyle)
                animation->Start();
        }
    }

private:
    void buildControls(QWidget* client)
    {
        auto* box = new TkvSkinGroupBox(client);
        box->SetCaption(QStringLiteral("Controls"));
        box->SetBounds(8, 8, 424, 234);

        auto* button = new TkvSkinButton(box);
        button->SetCaption(QStringLiteral("Button"));
        button->SetBounds(16, 32, 90, 25);
        auto* disabled = new TkvSkinButton(box);
        disabled->SetCaption(QStringLiteral("Disabled"));
        disabled->setEnabled(false);
        disabled->SetBounds(116, 32, 90, 25);

        auto* edit = new TkvSkinEdit(box);
        edit->SetButtonMode(true);
        edit->SetSkinDataName(QStringLiteral("buttonedit"));
        edit->SetText(QStringLiteral("An edit with a button"));
        edit->SetBounds(16, 72, 190, 21);

        auto* editable = new TkvSkinComboBox(box);
        editable->SetStyle(TkvSkinCustomComboBoxStyle::kvcbEditStyle);
        editable->SetItems({QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie")});
        editable->SetImages(itemPictures(this));
        editable->SetItemIndex(1);
        editable->SetBounds(16, 106, 190, 21);

        m_list = new TkvSkinComboBox(box);
        QStringList items;
        for (int i = 1; i <= 12; ++i)
            items << QStringLiteral("Translucent item %1").arg(i);
        m_list->SetItems(items);
        m_list->SetAlphaBlend(true);
        m_list->SetAlphaBlendValue(210);
        m_list->SetAlphaBlendAnimation(true);
        m_list->SetItemIndex(0);
        m_list->SetBounds(220, 106, 190, 21);

        auto* gauge = new TkvSkinGauge(box);
        gauge->SetValue(60);
        gauge->SetBounds(16, 148, 190, 14);
        auto* slider = new TkvSkinSlider(box);
        slider->SetRange(0, 100);
        slider->SetValue(40);
        slider->SetBounds(16, 180, 190, 24);

        auto* listBox = new TkvSkinListBox(box);
        listBox->SetItems({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third"),
            QStringLiteral("Fourth"), QStringLiteral("Fifth")});
        listBox->SetBounds(220, 32, 190, 64);
    }

    TkvSkinData* m_skin;
    TkvSorvane* m_frame;
    TkvSkinHint* m_hint;
    TkvMenuItem m_systemMenu;
    TkvSkinComboBox* m_list = nullptr;
};

// The windows on the screen as one picture: the preview and, over it,
// whatever it opened, each in its outline and at its opacity.
QImage screenPicture(QWidget& main)
{
    QRect bounds = main.geometry();
    QList<QWidget*> windows{&main};
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &main && window->isVisible()) {
            windows << window;
            bounds |= window->geometry();
        }
    }
    QImage picture(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (QWidget* window : windows) {
        const QPoint at = window->geometry().topLeft() - bounds.topLeft();
        painter.save();
        if (!window->mask().isEmpty())
            painter.setClipRegion(window->mask().translated(at));
        painter.setOpacity(window->windowOpacity());
        painter.drawPixmap(at, window->grab());
        painter.restore();
    }
    return picture;
}

void openState(PreviewWindow& window, PreviewOpen open)
{
    TkvSorvane& frame = window.frame();
    switch (open) {
    case PreviewOpen::Nothing:
        break;
    case PreviewOpen::SystemMenu:
        frame.TrackSystemMenu(window.x() + 30, window.y() + 24);
        break;
    case PreviewOpen::List:
        window.list().DropDown();
        break;
    case PreviewOpen::Hint: {
        // The close button's hint, as if the pointer rested on it.
        const int close = frame.GetIndex(QStringLiteral("closebutton"));
        if (close < 0)
            break;
        const TRect r = frame.Objects()[size_t(close)]->ObjectRect;
        const QPoint pointer = window.geometry().topLeft() + QPoint(r.left + 2, r.top + 2);
        window.hint().CursorPos = [pointer] { return pointer; };
        frame.CursorPos = [pointer] { return pointer; };
        frame.TestActive(r.left + 2, r.top + 2, true);
        break;
    }
    }
}

} // namespace

int preview(const PreviewRequest& request)
{
    static int argc = 1;
    static char name[] = "skntool";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    PreviewWindow window(request.skin);
    window.move(60, 50);
    window.show();
    window.activateWindow();
    window.startAnimations();
    if (request.screenshot.isEmpty()) {
        QTimer::singleShot(request.afterMs, &window, [&window, &request] { openState(window, request.open); });
        return app.exec();
    }
    // The picture is taken a while after what was asked for opened, so a
    // fading menu or list is on its way in, however late the start was.
    int result = 0;
    QTimer::singleShot(request.afterMs / 2, &window, [&] {
        openState(window, request.open);
        QTimer::singleShot(request.afterMs / 2, &window, [&] {
            if (!screenPicture(window).save(request.screenshot, "PNG")) {
                std::fprintf(stderr, "skntool: Cannot create file %s\n", qPrintable(request.screenshot));
                result = 1;
            }
            app.quit();
        });
    });
    app.exec();
    if (result == 0)
        out() << "saved the preview of " << request.skin << " into " << request.screenshot << "\n";
    return result;
}

} // namespace skntool
