#include "tests/support/TestTimers.h"

#include <QMetaObject>
#include <QTimer>

#include <gtest/gtest.h>

namespace testsupport {
namespace {

QTimer* findTimer(QObject* owner, const char* timerName)
{
    return owner->findChild<QTimer*>(QString::fromLatin1(timerName), Qt::FindDirectChildrenOnly);
}

} // namespace

void fireTimer(QObject* owner, const char* timerName)
{
    QTimer* timer = findTimer(owner, timerName);
    ASSERT_NE(timer, nullptr) << timerName;
    ASSERT_TRUE(timer->isActive()) << timerName << " is not running";
    QMetaObject::invokeMethod(timer, "timeout");
}

bool timerActive(QObject* owner, const char* timerName)
{
    QTimer* timer = findTimer(owner, timerName);
    return timer && timer->isActive();
}

int timerInterval(QObject* owner, const char* timerName)
{
    QTimer* timer = findTimer(owner, timerName);
    return timer ? timer->interval() : -1;
}

} // namespace testsupport
