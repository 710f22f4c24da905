#pragma once

#include <QString>

#include <memory>

namespace skin {

class TkvDataSkinObject;
class TkvDataSkinControl;

// The kind words of the listing sections and their record classes.
// Unknown kinds give no record.
std::unique_ptr<TkvDataSkinObject> createSkinObject(const QString& kind, const QString& name);
std::unique_ptr<TkvDataSkinControl> createSkinControl(const QString& kind, const QString& name);

// The kind word a record is written with: the first class in the fixed
// test order that the record is (or derives from); empty when none.
QString skinObjectKind(const TkvDataSkinObject& record);
QString skinControlKind(const TkvDataSkinControl& record);

} // namespace skin
