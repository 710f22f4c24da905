#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinButton.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>

using namespace skin;
using namespace testsupport;
using platform::TColor;

namespace {

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button = new TkvSkinButton(host.widget());
        button->SetBounds(20, 20, 75, 25);
        button->SetCaption(QStringLiteral("Save"));
        button->OnClick = [this](QObject* sender) {
            EXPECT_EQ(sender, button);
            ++clicks;
        };
        host.show();
    }

    const QPoint inside{30, 12};
    const QPoint outside{-30, 12};
    HostWindow host;
    TkvSkinButton* button = nullptr;
    int clicks = 0;
};

TEST_F(ButtonTest, ConstructorValues)
{
    TkvSkinButton fresh;
    EXPECT_EQ(fresh.size(), QSize(75, 25));
    EXPECT_EQ(fresh.SkinDataName(), QStringLiteral("button"));
    EXPECT_EQ(fresh.RepeatInterval(), 100);
    EXPECT_EQ(fresh.Margin(), -1);
    EXPECT_EQ(fresh.Spacing(), 1);
    EXPECT_TRUE(fresh.CanFocused());
    EXPECT_EQ(fresh.DefaultFont().Name, QStringLiteral("Arial"));
    EXPECT_EQ(fresh.DefaultFont().Height, 14);
}

TEST_F(ButtonTest, ClickInsideRaisesOnClickOnceOnRelease)
{
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(ButtonTest, ReleaseOutsideDoesNotClickAndDrawsNormal)
{
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseMove(button, outside);
    EXPECT_FALSE(button->MouseIn());
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Down());
    button->clearFocus();
    const QImage face = button->renderFace();
    EXPECT_EQ(pixel(face, 0, 0), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 3, 3), rgbOf(platform::clBtnFace));
}

TEST_F(ButtonTest, LeavingAndComingBackWhileHeldClicksOnce)
{
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseMove(button, outside);
    EXPECT_EQ(pixel(button->renderFace(), 3, 3), kHotFill) << "focused, pointer outside: hot look";
    QTest::mouseMove(button, inside);
    EXPECT_EQ(pixel(button->renderFace(), 3, 3), kPressedFill);
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, DefaultLookByState)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        TColor frame;
        TColor fill;
    };
    const Case cases[] = {
        {"normal", [&] { button->clearFocus(); }, rgbOf(platform::clBtnShadow), rgbOf(platform::clBtnFace)},
        {"hot", [&] { button->clearFocus(); hover(button, inside); }, platform::clNavy, kHotFill},
        {"disabled", [&] { hover(button, inside); button->setEnabled(false); },
            rgbOf(platform::clBtnShadow), rgbOf(platform::clBtnFace)},
        {"focused", [&] { button->setFocus(); }, platform::clNavy, kHotFill},
        {"pressed", [&] { QTest::mousePress(button, Qt::LeftButton, {}, inside); }, platform::clNavy, kPressedFill},
        {"latched", [&] { button->SetGroupIndex(3); button->SetDown(true); }, platform::clNavy, kPressedFill},
    };
    for (const Case& c : cases) {
        delete button;
        button = new TkvSkinButton(host.widget());
        button->move(20, 20);
        button->show();
        c.arrange();
        const QImage face = button->renderFace();
        EXPECT_EQ(pixel(face, 0, 0), c.frame) << c.name;
        EXPECT_EQ(pixel(face, 74, 24), c.frame) << c.name;
        EXPECT_EQ(pixel(face, 2, 2), c.fill) << c.name;
        if (button->Down() && button->GroupIndex() == 0)
            QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    }
}

TEST_F(ButtonTest, DisabledCaptionIsDrawnInButtonShadow)
{
    button->SetCaption(QStringLiteral("MMMM"));
    auto inkColours = [this] {
        QSet<TColor> colours;
        const QImage face = button->renderFace();
        for (int y = 5; y < 20; ++y)
            for (int x = 10; x < 65; ++x)
                colours.insert(pixel(face, x, y));
        return colours;
    };
    EXPECT_TRUE(inkColours().contains(rgbOf(platform::clWindowText)));
    button->setEnabled(false);
    const QSet<TColor> disabled = inkColours();
    EXPECT_TRUE(disabled.contains(rgbOf(platform::clBtnShadow)));
    EXPECT_FALSE(disabled.contains(rgbOf(platform::clWindowText)));
}

TEST_F(ButtonTest, RepeatModeClicksEveryIntervalAndOnceMoreOnRelease)
{
    button->SetRepeatMode(true);
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 0) << "the first repeat comes one period after the press";
    EXPECT_EQ(timerInterval(button, "repeat"), 100);
    for (int i = 0; i < 3; ++i)
        fireTimer(button, "repeat");
    EXPECT_EQ(clicks, 3);
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 4);
    EXPECT_FALSE(timerActive(button, "repeat"));
}

TEST_F(ButtonTest, RepeatStopsOutsideAndRestartsInside)
{
    button->SetRepeatMode(true);
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseMove(button, outside);
    EXPECT_FALSE(timerActive(button, "repeat"));
    QTest::mouseMove(button, inside);
    EXPECT_TRUE(timerActive(button, "repeat"));
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndEnterOnEveryPress)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->Down());
    QTest::keyEvent(QTest::Release, button, Qt::Key_Space, Qt::NoModifier, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Down());

    clicks = 0;
    QTest::keyPress(button, Qt::Key_Return);
    QTest::keyPress(button, Qt::Key_Return);
    QTest::keyPress(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, HeldSpaceWithRepeatModeClicksOnEveryKeyDown)
{
    button->SetRepeatMode(true);
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, FocusLossReleasesDownSilently)
{
    auto* other = new QLineEdit(host.widget());
    other->move(200, 200);
    other->show();
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    other->setFocus();
    EXPECT_FALSE(button->Down());
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, GroupButtonsReleaseEachOther)
{
    auto* second = new TkvSkinButton(host.widget());
    second->SetBounds(120, 20, 75, 25);
    second->show();
    button->SetGroupIndex(1);
    second->SetGroupIndex(1);
    EXPECT_FALSE(button->CanFocused());

    QTest::mouseClick(button, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 1) << "a group button clicks on the press";
    QTest::mouseClick(second, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(button->Down());

    QTest::mouseClick(second, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(second->Down()) << "without AllowAllUp a latched button stays down";

    second->SetAllowAllUp(true);
    int secondClicks = 0;
    second->OnClick = [&](QObject*) { ++secondClicks; };
    QTest::mouseClick(second, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(second->Down());
    EXPECT_EQ(secondClicks, 1);
}

// OnClick may free the button (a window closing itself, say). The button
// lives here in storage the test owns and is filled with a pattern once
// destroyed, so a write after the handler shows in the bytes instead of
// landing in freed memory.
TEST_F(ButtonTest, OnClickMayDeleteTheButton)
{
    struct Case {
        const char* name;
        int groupIndex;
        std::function<void(TkvSkinButton*)> click;
    };
    const Case cases[] = {
        {"group button, clicked by the press", 2,
            [](TkvSkinButton* b) { QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10)); }},
        {"plain button, clicked by the release", 0,
            [](TkvSkinButton* b) {
                QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
                QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
            }},
        {"plain button, clicked by Enter", 0, [](TkvSkinButton* b) { QTest::keyClick(b, Qt::Key_Return); }},
    };
    constexpr unsigned char kFreed = 0xA5;
    for (const Case& c : cases) {
        alignas(TkvSkinButton) unsigned char storage[sizeof(TkvSkinButton)];
        auto* doomed = new (storage) TkvSkinButton(host.widget());
        doomed->SetBounds(120, 20, 75, 25);
        doomed->SetGroupIndex(c.groupIndex);
        doomed->show();
        doomed->setFocus();
        bool destroyed = false;
        doomed->OnClick = [&](QObject*) {
            // The handler is freed with the button: nothing of it is used after.
            TkvSkinButton* button = doomed;
            unsigned char* bytes = storage;
            bool& freed = destroyed;
            button->~TkvSkinButton();
            std::memset(bytes, kFreed, sizeof storage);
            freed = true;
        };
        c.click(doomed);
        ASSERT_TRUE(destroyed) << c.name;
        EXPECT_TRUE(std::all_of(std::begin(storage), std::end(storage), [](unsigned char b) { return b == kFreed; }))
            << c.name << ": the button was written to after OnClick freed it";
    }
}

TEST_F(ButtonTest, DefaultAndCancelAnswerEnterAndEscape)
{
    auto* edit = new QLineEdit(host.widget());
    edit->move(200, 200);
    edit->show();
    auto* cancel = new TkvSkinButton(host.widget());
    cancel->SetBounds(120, 20, 75, 25);
    cancel->show();
    int cancels = 0;
    cancel->OnClick = [&](QObject*) { ++cancels; };
    button->SetDefault(true);
    cancel->SetCancel(true);
    QTest::mouseMove(host.widget(), QPoint(390, 290));

    edit->setFocus();
    EXPECT_TRUE(button->ActiveDefault());
    EXPECT_TRUE(button->MouseIn()) << "a default button looks hot while a non-button has the focus";
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(cancels, 1);

    cancel->setFocus();
    EXPECT_FALSE(button->ActiveDefault());
    EXPECT_FALSE(button->MouseIn());
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(clicks, 1) << "Enter belongs to the focused button";
    EXPECT_EQ(cancels, 2);
}

TEST_F(ButtonTest, AcceleratorFocusesAndClicks)
{
    button->SetCaption(QStringLiteral("&Save"));
    auto* edit = new QLineEdit(host.widget());
    edit->move(200, 200);
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->hasFocus());
}

} // namespace

namespace {

TEST_F(ButtonTest, KeypadEnterClicksAsEnterDoes)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(clicks, 2) << "with Ctrl held it is not the button's Enter";
}

} // namespace
