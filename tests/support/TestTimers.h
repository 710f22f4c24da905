#pragma once

class QObject;

// Timers of a control, found by their object name and driven by the test
// instead of waited for.
namespace testsupport {

// Fires the running timer as if its interval had passed (a test failure
// when there is none or it is stopped).
void fireTimer(QObject* owner, const char* timerName);
bool timerActive(QObject* owner, const char* timerName);
// The interval, -1 without such a timer.
int timerInterval(QObject* owner, const char* timerName);

} // namespace testsupport
