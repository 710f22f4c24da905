#include "FrameTestSupport.h"

#include "tests/support/TestOutput.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace frametest {

using namespace skin;

SkinnedWindow::SkinnedWindow(bool withSkin)
    : m_form(std::make_unique<QWidget>())
    , m_skin(new TkvSkinData(m_form.get()))
    , m_frame(new TkvSorvane(m_form.get()))
{
    m_form->setWindowTitle(QStringLiteral("Flight Controller Tool "));
    m_frame->SetBorderIcons({TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize, TkvBorderIcon::biRollUp});
    m_frame->SetSizeable(false);
    m_frame->SetClientWidth(710);
    m_frame->SetClientHeight(447);
    m_frame->SetSkinData(m_skin);
    if (withSkin)
        m_skin->LoadFromFile(kAssets + QStringLiteral("/skin/skin.ini"));
}

SkinnedWindow::~SkinnedWindow() = default;

void SkinnedWindow::show()
{
    m_form->move(40, 30);
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    EXPECT_TRUE(m_form->isActiveWindow());
}

TkvActiveSkinObject* SkinnedWindow::object(const QString& name) const
{
    const int index = m_frame->GetIndex(name);
    return index < 0 ? nullptr : m_frame->Objects()[size_t(index)].get();
}

void savePicture(const QImage& image, const QString& name)
{
    const QString dir = testsupport::testOutputDir() + QStringLiteral("/frame");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace frametest
