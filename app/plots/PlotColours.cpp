#include "app/plots/PlotColours.h"

#include "platform/BmpCodec.h"
#include "platform/Color.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/TkvSkinData.h"

namespace {

// Eight hues that stay apart for most eyes, dark and light variants.
constexpr std::array<QRgb, 8> kOnLight = {0x0060C0, 0xC03000, 0x008040, 0x8000A0, 0xA07000, 0x008090, 0xC00070,
    0x404040};
constexpr std::array<QRgb, 8> kOnDark = {0x50B0FF, 0xFF8040, 0x40E080, 0xD080FF, 0xFFD040, 0x40E0F0, 0xFF70C0,
    0xE0E0E0};

QColor mixed(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
        float(a.greenF() * (1 - share) + b.greenF() * share), float(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

PlotColours plotColours(const skin::TkvSkinData* skinData)
{
    PlotColours colours{Qt::white, Qt::black, {}, {}};
    if (skinData && !skinData->IsEmpty()) {
        const int index = skinData->GetControlIndex(QStringLiteral("edit"));
        const auto* edit = index >= 0
            ? dynamic_cast<const skin::TkvDataSkinEditControl*>(skinData->SkinControls[size_t(index)].get())
            : nullptr;
        const platform::BmpImage* picture = edit ? skinData->activeBitmap(edit->pictureindex) : nullptr;
        if (picture) {
            // The middle of the record's text area.
            const int x = edit->skinrect.left + (edit->clientrect.left + edit->clientrect.right) / 2;
            const int y = edit->skinrect.top + (edit->clientrect.top + edit->clientrect.bottom) / 2;
            const QImage pixel = picture->toQImage(QRect(x, y, 1, 1));
            if (!pixel.isNull()) {
                colours.background = pixel.pixelColor(0, 0);
                colours.text = QColor::fromRgb(platform::toQRgb(edit->fontcolor));
            }
        }
    }
    colours.grid = mixed(colours.background, colours.text, 0.2);
    const auto& palette = colours.background.lightnessF() > 0.5 ? kOnLight : kOnDark;
    for (size_t i = 0; i < palette.size(); ++i)
        colours.traces[i] = QColor::fromRgb(palette[i]);
    return colours;
}
