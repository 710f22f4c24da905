#include "skin/data/SkinKinds.h"

#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinObjectRecords.h"

namespace skin {

namespace {

template<typename Base>
struct Kind {
    const char* word;
    std::unique_ptr<Base> (*create)(const QString& name);
    bool (*is)(const Base& record);
};

template<typename Base, typename Record>
constexpr Kind<Base> kind(const char* word)
{
    return {
        word,
        [](const QString& name) -> std::unique_ptr<Base> { return std::make_unique<Record>(name); },
        [](const Base& record) { return dynamic_cast<const Record*>(&record) != nullptr; },
    };
}

// In the order in which the writer tests the classes: most derived first.
const Kind<TkvDataSkinObject> objectKinds[] = {
    kind<TkvDataSkinObject, TkvDataSkinMenuItem>("menuitem"),
    kind<TkvDataSkinObject, TkvDataSkinMainMenuBarItem>("mainmenubaritem"),
    kind<TkvDataSkinObject, TkvDataSkinMainMenuBarButton>("mainmenubarbutton"),
    kind<TkvDataSkinObject, TkvDataSkinStdButton>("stdbutton"),
    kind<TkvDataSkinObject, TkvDataSkinButton>("button"),
    kind<TkvDataSkinObject, TkvDataSkinCaption>("caption"),
    kind<TkvDataSkinObject, TkvDataUserObject>("userobject"),
    kind<TkvDataSkinObject, TkvDataSkinAnimate>("animate"),
};

const Kind<TkvDataSkinControl> controlKinds[] = {
    kind<TkvDataSkinControl, TkvDataSkinPanelControl>("panel"),
    kind<TkvDataSkinControl, TkvDataSkinExPanelControl>("expanel"),
    kind<TkvDataSkinControl, TkvDataSkinMenuButtonControl>("menubutton"),
    kind<TkvDataSkinControl, TkvDataSkinButtonControl>("button"),
    kind<TkvDataSkinControl, TkvDataSkinCheckRadioControl>("checkradio"),
    kind<TkvDataSkinControl, TkvDataSkinGaugeControl>("gauge"),
    kind<TkvDataSkinControl, TkvDataSkinSplitterControl>("splitter"),
    kind<TkvDataSkinControl, TkvDataSkinTrackBarControl>("trackbar"),
    kind<TkvDataSkinControl, TkvDataSkinLabelControl>("label"),
    kind<TkvDataSkinControl, TkvDataSkinStdLabelControl>("stdlabel"),
    kind<TkvDataSkinControl, TkvDataSkinUpDownControl>("updown"),
    kind<TkvDataSkinControl, TkvDataSkinGridControl>("grid"),
    kind<TkvDataSkinControl, TkvDataSkinTabControl>("tab"),
    kind<TkvDataSkinControl, TkvDataSkinMainMenuBar>("mainmenubar"),
    kind<TkvDataSkinControl, TkvDataSkinControlBar>("controlbar"),
    kind<TkvDataSkinControl, TkvDataSkinMemoControl>("memo"),
    kind<TkvDataSkinControl, TkvDataSkinEditControl>("edit"),
    kind<TkvDataSkinControl, TkvDataSkinCheckListBox>("checklistbox"),
    kind<TkvDataSkinControl, TkvDataSkinListBox>("listbox"),
    kind<TkvDataSkinControl, TkvDataSkinComboBox>("combobox"),
    kind<TkvDataSkinControl, TkvDataSkinScrollBarControl>("scrollbar"),
    kind<TkvDataSkinControl, TkvDataSkinSpinEditControl>("spinedit"),
    kind<TkvDataSkinControl, TkvDataSkinScrollBoxControl>("scrollbox"),
    kind<TkvDataSkinControl, TkvDataSkinTreeView>("treeview"),
    kind<TkvDataSkinControl, TkvDataSkinBevel>("bevel"),
    kind<TkvDataSkinControl, TkvDataSkinSlider>("slider"),
    kind<TkvDataSkinControl, TkvDataSkinListView>("listview"),
    kind<TkvDataSkinControl, TkvDataSkinRichEdit>("richedit"),
};

template<typename Base, size_t N>
std::unique_ptr<Base> create(const Kind<Base> (&kinds)[N], const QString& word, const QString& name)
{
    for (const auto& k : kinds) {
        if (word == QLatin1String(k.word))
            return k.create(name);
    }
    return nullptr;
}

template<typename Base, size_t N>
QString kindOf(const Kind<Base> (&kinds)[N], const Base& record)
{
    for (const auto& k : kinds) {
        if (k.is(record))
            return QLatin1String(k.word);
    }
    return {};
}

} // namespace

std::unique_ptr<TkvDataSkinObject> createSkinObject(const QString& kind, const QString& name)
{
    return create(objectKinds, kind, name);
}

std::unique_ptr<TkvDataSkinControl> createSkinControl(const QString& kind, const QString& name)
{
    return create(controlKinds, kind, name);
}

QString skinObjectKind(const TkvDataSkinObject& record) { return kindOf(objectKinds, record); }

QString skinControlKind(const TkvDataSkinControl& record) { return kindOf(controlKinds, record); }

} // namespace skin
