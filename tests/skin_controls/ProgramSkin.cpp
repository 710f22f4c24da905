#include "ProgramSkin.h"

#include <gtest/gtest.h>

namespace testsupport {

std::unique_ptr<skin::TkvSkinData> loadProgramSkin()
{
    auto data = std::make_unique<skin::TkvSkinData>();
    data->LoadFromFile(QStringLiteral(FCT_ASSETS_DIR "/skin/skin.ini"));
    EXPECT_FALSE(data->IsEmpty()) << "the program's skin did not load from " FCT_ASSETS_DIR "/skin";
    return data;
}

} // namespace testsupport
