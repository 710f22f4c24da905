#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinGroupBox.h"
#include "skin/controls/TkvSkinListBox.h"
#include "skin/controls/TkvSkinScrollBar.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/controls/TkvSkinStdLabel.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// Every control in its default look and in its states, saved as pictures
// under build/test-output/controls/ for a person to look at. Each state must
// look different from the normal one.
using namespace skin;
using namespace testsupport;

namespace {

struct Shot {
    QString name;
    QImage image;
};

class Gallery {
public:
    void add(const QString& name, const QImage& image)
    {
        EXPECT_FALSE(image.isNull()) << name.toStdString();
        savePicture(image, name);
        m_shots.push_back({name, image});
    }

    const QImage& image(const QString& name) const
    {
        for (const Shot& s : m_shots)
            if (s.name == name)
                return s.image;
        static const QImage none;
        return none;
    }

    // All pictures on one sheet, each with its name, magnified twice.
    void saveSheet(const QString& name) const
    {
        constexpr int kColumnWidth = 280;
        constexpr int kColumns = 4;
        QList<int> heights;
        int x = 0, y = 0, rowHeight = 0;
        QList<QPoint> places;
        for (const Shot& s : m_shots) {
            const int w = std::max(kColumnWidth, s.image.width() + 10);
            if (x + w > kColumnWidth * kColumns) {
                x = 0;
                y += rowHeight;
                rowHeight = 0;
            }
            places << QPoint(x, y);
            x += w;
            rowHeight = std::max(rowHeight, s.image.height() + 24);
        }
        QImage sheet(kColumnWidth * kColumns, y + rowHeight, QImage::Format_RGB32);
        sheet.fill(QColor(250, 250, 235));
        QPainter painter(&sheet);
        for (int i = 0; i < m_shots.size(); ++i) {
            painter.setPen(Qt::darkGray);
            painter.drawText(places[i] + QPoint(4, 14), m_shots[i].name);
            painter.drawImage(places[i] + QPoint(4, 18), m_shots[i].image);
        }
        painter.end();
        savePicture(sheet.scaled(sheet.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation), name);
    }

private:
    QList<Shot> m_shots;
};

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        other = new QLineEdit(host.widget());
        other->setGeometry(500, 380, 60, 20);
        host.show();
    }

    template <class T> T* place(int x, int y)
    {
        auto* control = new T(host.widget());
        control->move(x, y);
        control->show();
        return control;
    }

    void shot(const QString& name, QWidget* widget) { gallery.add(name, widget->grab().toImage()); }
    void expectDiffers(const QString& state, const QString& normal)
    {
        EXPECT_NE(gallery.image(state), gallery.image(normal)) << state.toStdString() << " looks like " << normal.toStdString();
    }

    HostWindow host{600, 420};
    QLineEdit* other = nullptr;
    Gallery gallery;
};

TEST_F(GalleryTest, EveryControlInItsStates)
{
    // Buttons.
    auto* button = place<TkvSkinButton>(10, 10);
    button->SetCaption(QStringLiteral("&Connect"));
    other->setFocus();
    QTest::mouseMove(host.widget(), QPoint(590, 410));
    shot("button-normal", button);
    hover(button, QPoint(30, 12));
    shot("button-hot", button);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 12));
    shot("button-pressed", button);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseMove(host.widget(), QPoint(590, 410));
    shot("button-focused", button);
    button->setEnabled(false);
    shot("button-disabled", button);
    auto* wide = place<TkvSkinButton>(10, 40);
    wide->SetBounds(10, 40, 150, 25);
    wide->SetCaption(QStringLiteral("Start RC Stick Calibration"));
    wide->SetGroupIndex(1);
    wide->SetDown(true);
    shot("button-latched", wide);
    for (const char* state : {"button-hot", "button-pressed", "button-focused", "button-disabled"})
        expectDiffers(state, "button-normal");

    // Panels, group boxes and labels.
    auto* box = place<TkvSkinGroupBox>(200, 10);
    box->resize(140, 70);
    box->SetCaption(QStringLiteral("Sensor Data"));
    shot("groupbox", box);
    box->SetDefaultAlignment(TAlignment::taCenter);
    box->SetCheckedMode(true);
    box->SetChecked(true);
    box->SetRollUpMode(true);
    shot("groupbox-checked-rollup", box);
    box->SetBorderStyle(TkvSkinBorderStyle::bvNone);
    shot("groupbox-bvNone", box);
    auto* panel = place<TkvSkinPanel>(350, 10);
    panel->resize(60, 40);
    for (auto [style, name] : {std::pair(TkvSkinBorderStyle::bvFrame, "panel-frame"),
             std::pair(TkvSkinBorderStyle::bvRaised, "panel-raised"),
             std::pair(TkvSkinBorderStyle::bvLowered, "panel-lowered")}) {
        panel->SetBorderStyle(style);
        shot(name, panel);
    }
    auto* label = place<TkvSkinStdLabel>(420, 10);
    label->SetDefaultFont({QStringLiteral("MS Sans Serif"), -11, platform::FontStyle::Bold, platform::clWindowText});
    label->SetCaption(QStringLiteral("GyroX "));
    shot("label", label);
    label->setEnabled(false);
    shot("label-disabled", label);
    expectDiffers("label-disabled", "label");

    // Gauges.
    auto* gauge = place<TkvSkinGauge>(10, 80);
    gauge->SetBounds(10, 80, 105, 17);
    gauge->SetMaxValue(2000);
    gauge->SetMinValue(1000);
    for (int value : {1000, 1500, 2000}) {
        gauge->SetValue(value);
        shot(QStringLiteral("gauge-%1").arg(value), gauge);
    }
    gauge->SetShowPercent(true);
    gauge->SetValue(1370);
    shot("gauge-percent", gauge);
    auto* vgauge = place<TkvSkinGauge>(130, 80);
    vgauge->SetBounds(130, 80, 20, 100);
    vgauge->SetVertical(true);
    vgauge->SetShowPercent(true);
    vgauge->SetValue(35);
    shot("gauge-vertical", vgauge);

    // Sliders.
    auto* slider = place<TkvSkinSlider>(160, 100);
    slider->SetValue(30);
    shot("slider-normal", slider);
    slider->setFocus();
    shot("slider-focused", slider);
    const platform::TRect thumb = slider->ThumbBounds();
    const QPoint grip((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
    QTest::mousePress(slider, Qt::LeftButton, {}, grip);
    shot("slider-pressed", slider);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, grip);
    other->setFocus();
    slider->setEnabled(false);
    shot("slider-disabled", slider);
    auto* small = place<TkvSkinSlider>(160, 150);
    small->SetBounds(160, 150, 65, 33);
    small->SetRange(48, 96);
    small->SetIncrement(1);
    small->SetValue(60);
    shot("slider-48-96", small);
    auto* vslider = place<TkvSkinSlider>(320, 100);
    vslider->SetOrientation(TkvSliderOrientation::soVertical);
    vslider->SetBounds(320, 100, 45, 120);
    vslider->SetValue(70);
    shot("slider-vertical", vslider);
    for (const char* state : {"slider-focused", "slider-pressed", "slider-disabled"})
        expectDiffers(state, "slider-normal");

    // Edits.
    auto* edit = place<TkvSkinEdit>(10, 200);
    edit->SetBounds(10, 200, 57, 20);
    edit->SetText(QStringLiteral("1500"));
    shot("edit", edit);
    edit->SetReadOnly(true);
    edit->SetFont({QStringLiteral("Arial"), 14, {}, platform::clMaroon});
    shot("edit-readonly-maroon", edit);
    auto* centred = place<TkvSkinEdit>(80, 200);
    centred->SetBounds(80, 200, 80, 20);
    centred->SetAlignment(TAlignment::taCenter);
    centred->SetText(QStringLiteral("GPS Hold"));
    shot("edit-centred", centred);
    centred->setEnabled(false);
    shot("edit-disabled", centred);
    auto* buttonEdit = place<TkvSkinEdit>(170, 200);
    buttonEdit->SetBounds(170, 200, 90, 20);
    buttonEdit->SetButtonMode(true);
    buttonEdit->SetText(QStringLiteral("COM3"));
    shot("edit-button", buttonEdit);
    expectDiffers("edit-disabled", "edit-centred");

    // Scroll bars.
    auto* hbar = place<TkvSkinScrollBar>(10, 240);
    hbar->SetRange(0, 100, 20, 30);
    shot("scrollbar-horizontal", hbar);
    hover(hbar, QPoint(190, 9));
    shot("scrollbar-hot-button", hbar);
    QTest::mousePress(hbar, Qt::LeftButton, {}, QPoint(190, 9));
    shot("scrollbar-pressed-button", hbar);
    QTest::mouseRelease(hbar, Qt::LeftButton, {}, QPoint(190, 9));
    hbar->CalcRects();
    const platform::TRect t = hbar->partRect(TkvSkinScrollBar::kThumb);
    QTest::mousePress(hbar, Qt::LeftButton, {}, QPoint((t.left + t.right) / 2, 9));
    shot("scrollbar-pressed-thumb", hbar);
    QTest::mouseRelease(hbar, Qt::LeftButton, {}, QPoint((t.left + t.right) / 2, 9));
    hbar->setEnabled(false);
    shot("scrollbar-disabled", hbar);
    for (const char* state : {"scrollbar-hot-button", "scrollbar-pressed-button", "scrollbar-pressed-thumb",
             "scrollbar-disabled"})
        expectDiffers(state, "scrollbar-horizontal");

    // List box.
    auto* list = place<TkvSkinListBox>(380, 100);
    QStringList ports;
    for (int i = 1; i <= 12; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    list->SetItems(ports);
    list->SetRowCount(8);
    list->SetItemIndex(2);
    shot("listbox-12-in-8", list);

    // Combo boxes, closed and dropped down.
    auto* combo = place<TkvSkinComboBox>(10, 280);
    combo->SetItems({"+4", "X4", "+6", "X6", "Y6", "Fh8", "X8"});
    combo->SetItemIndex(1);
    other->setFocus();
    QTest::mouseMove(host.widget(), QPoint(590, 410));
    shot("combo-normal", combo);
    hover(combo, QPoint(110, 10));
    shot("combo-hot", combo);
    combo->setFocus();
    QTest::mouseMove(host.widget(), QPoint(590, 410));
    shot("combo-focused", combo);
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(110, 10));
    ASSERT_TRUE(combo->IsPopupVisible());
    QImage dropped(120, 20 + combo->popupList()->height(), QImage::Format_RGB32);
    {
        QPainter painter(&dropped);
        painter.drawImage(0, 0, combo->grab().toImage());
        painter.drawImage(0, 20, combo->popupList()->grab().toImage());
    }
    gallery.add("combo-dropped-down", dropped);
    QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(110, 10));
    QTest::keyClick(combo, Qt::Key_Escape);
    auto* ports12 = place<TkvSkinComboBox>(150, 280);
    ports12->SetItems(ports);
    ports12->SetItemIndex(0);
    ports12->setFocus();
    QTest::keyClick(ports12, Qt::Key_Down, Qt::AltModifier);
    QImage dropped12(120, 20 + ports12->popupList()->height(), QImage::Format_RGB32);
    {
        QPainter painter(&dropped12);
        painter.drawImage(0, 0, ports12->grab().toImage());
        painter.drawImage(0, 20, ports12->popupList()->grab().toImage());
    }
    gallery.add("combo-dropped-down-12", dropped12);
    QTest::keyClick(ports12, Qt::Key_Escape);
    combo->setEnabled(false);
    shot("combo-disabled", combo);
    for (const char* state : {"combo-hot", "combo-focused", "combo-disabled"})
        expectDiffers(state, "combo-normal");

    gallery.saveSheet(QStringLiteral("gallery"));
}

} // namespace
