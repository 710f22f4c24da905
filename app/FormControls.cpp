#include "app/FormControls.h"

#include "platform/TImage.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"

#include <stdexcept>

namespace {

template <typename T>
void find(T*& member, const char* name, const std::function<QWidget*(const QString&)>& byName)
{
    member = dynamic_cast<T*>(byName(QString::fromLatin1(name)));
    if (!member)
        throw std::logic_error(std::string("the layout has no control ") + name + " of the class the window needs");
}

} // namespace

void FormControls::bind(const std::function<QWidget*(const QString&)>& byName)
{
#define FIND(member) find(member, #member, byName)
    FIND(kvSkinButton1);
    FIND(kvSkinComboBox1);
    FIND(kvSkinButton2);
    FIND(kvSkinEdit22);
    FIND(kvSkinSlider4);
    FIND(kvSkinEdit23);
    FIND(kvSkinButton7);
    FIND(kvSkinEdit7);
    FIND(kvSkinSlider1);
    FIND(kvSkinEdit8);
    FIND(kvSkinButton3);
    FIND(kvSkinEdit9);
    FIND(kvSkinSlider2);
    FIND(kvSkinEdit14);
    FIND(kvSkinButton4);
    FIND(kvSkinEdit15);
    FIND(kvSkinSlider3);
    FIND(kvSkinEdit16);
    FIND(kvSkinButton5);
    FIND(kvSkinEdit44);
    FIND(kvSkinButton12);
    FIND(kvSkinEdit46);
    FIND(kvSkinButton13);
    FIND(Image4);
    FIND(kvSkinComboBox2);
    FIND(kvSkinButton6);
    FIND(kvSkinEdit10);
    FIND(kvSkinEdit11);
    FIND(kvSkinEdit12);
    FIND(kvSkinEdit19);
    FIND(kvSkinEdit20);
    FIND(kvSkinEdit21);
    FIND(kvSkinGauge1);
    FIND(kvSkinGauge2);
    FIND(kvSkinGauge3);
    FIND(kvSkinGauge4);
    FIND(kvSkinSlider5);
    FIND(kvSkinSlider6);
    FIND(kvSkinEdit35);
    FIND(kvSkinEdit38);
    FIND(kvSkinEdit39);
    FIND(kvSkinEdit40);
    FIND(kvSkinEdit41);
    FIND(kvSkinEdit42);
    FIND(kvSkinComboBox3);
    FIND(kvSkinButton8);
    FIND(kvSkinButton9);
    FIND(kvSkinButton10);
    FIND(kvSkinButton11);
    FIND(Image1);
    FIND(Image2);
#undef FIND
}
