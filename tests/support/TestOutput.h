#pragma once

#include <QString>

namespace testsupport {

// Folder for pictures and logs that a person may want to look at after a
// run (build/test-output); created on first use.
QString testOutputDir();

// Before the application object exists: the offscreen platform unless the
// caller chose another, and a private runtime folder.
void prepareQtEnvironment();

// Folder holding the built programs (build/bin).
QString binDir();

} // namespace testsupport
