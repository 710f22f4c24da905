#pragma once

#include "platform/Color.h"
#include "skin/data/TkvSkinData.h"

#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// A small skin written by the control tests, with control records shaped
// like the program's own skin ("button" 35 x 25 cut 10/24, "groupbox"
// 59 x 52 nine-part with caption strip 3,2,56,18, "gauge" 22 x 14 with
// progress area 2,2,21,13 and 10-column progress tiles, "slider" with a
// 22 x 21 thumb and a 10 x 11 ruler, "stdlabel" in Arial Narrow 15 bold),
// "resizebutton" (nine-part), "edit" and "combobox" (controls still without a skin drawing), the
// button records "fixedbutton" (resize mode 0), "vbutton" (mode 3) and
// "emptybutton" (no skin area), "maskedbutton" (mode 0 shaped by a mask
// picture with its top corners cut off), "vgauge" (14 x 22, vertical, 11 x 10
// progress tiles), and "wrongkind", a button record under a
// name the tests give to controls of other classes.
class ControlSkin {
public:
    ControlSkin();
    ~ControlSkin();

    skin::TkvSkinData& data() { return *m_data; }
    // The colour of pixel (x, y) of the controls' picture: every column has
    // its own red, every row its own green, and no pixel is black or white.
    static platform::TColor pictureColour(int x, int y);
    // Loads the skin again, with the change messages, as a skin switch does.
    void reload();

private:
    QTemporaryDir m_folder;
    QString m_definition;
    std::unique_ptr<skin::TkvSkinData> m_data;
};

} // namespace testsupport
