// The window's opacity and fade-in, driven through the fade's timer.

#include "tests/support/TestTimers.h"

#include "skin/frame/FrameFade.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace skin;
using testsupport::fireTimer;
using testsupport::timerActive;
using testsupport::timerInterval;

namespace {

class FadeTest : public ::testing::Test {
protected:
    // The opacities the timer steps through until it stops.
    std::vector<int> run()
    {
        std::vector<int> seen;
        while (timerActive(&m_timers, "fadeTimer") && seen.size() < 300) {
            fireTimer(&m_timers, "fadeTimer");
            seen.push_back(fade.opacity());
        }
        return seen;
    }

    QObject m_timers;
    QWidget m_form;
    bool animation = false;
    FrameFade fade{&m_timers, &m_form, animation};
};

} // namespace

TEST_F(FadeTest, AnimatedBlendRisesByFiveEveryFiveMillisecondsToTheBlendValue)
{
    EXPECT_EQ(timerInterval(&m_timers, "fadeTimer"), 5);
    fade.setAlphaBlend(true);
    EXPECT_EQ(fade.opacity(), 200) << "the blend applies at once";
    animation = true;
    fade.start();
    EXPECT_EQ(fade.opacity(), 0);
    const std::vector<int> seen = run();
    ASSERT_EQ(seen.size(), 40u);
    EXPECT_EQ(seen.front(), 5);
    EXPECT_EQ(seen.back(), 200);
}

TEST_F(FadeTest, BlendWithoutAnimationTakesOneStep)
{
    fade.setAlphaBlendValue(120);
    fade.setAlphaBlend(true);
    fade.start();
    EXPECT_EQ(run(), std::vector<int>({120}));
}

TEST_F(FadeTest, NothingToFadeStartsNoTimer)
{
    fade.start();
    EXPECT_FALSE(timerActive(&m_timers, "fadeTimer"));
    EXPECT_EQ(fade.opacity(), 255);
}

TEST_F(FadeTest, BlendValueStaysWithinOpacityAndAppliesOnlyWhileBlending)
{
    fade.setAlphaBlendValue(300);
    EXPECT_EQ(fade.alphaBlendValue(), 255);
    fade.setAlphaBlendValue(-5);
    EXPECT_EQ(fade.alphaBlendValue(), 0);
    EXPECT_EQ(fade.opacity(), 255) << "not blending yet";
    fade.setAlphaBlend(true);
    EXPECT_EQ(fade.opacity(), 0);
    fade.setAlphaBlend(false);
    EXPECT_EQ(fade.opacity(), 255);
}
