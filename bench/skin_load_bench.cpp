// Loads a stored skin of the size the main window carries (about 540 KB
// uncompressed: two 162 x 140 frame pictures, five active pictures, 12
// objects and 59 controls) from its compressed bytes, as start-up does.

#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"

#include <QImage>

#include <benchmark/benchmark.h>

using namespace skin;

namespace {

platform::BmpImage picture(int width, int height, QImage::Format format, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = 0x9E3779B9u * quint32(seed + 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Smooth shapes with some noise, so the pictures compress like
            // drawn skin art rather than like flat colour.
            state = state * 1664525u + 1013904223u;
            const int noise = int(state >> 29);
            image.setPixel(x, y, qRgb((x * 3 + noise) % 256, (y * 5 + seed * 40) % 256, ((x ^ y) + noise) % 256));
        }
    }
    if (format == QImage::Format_RGB32)
        return platform::BmpImage::fromQImage(image);
    return platform::BmpImage::fromQImage(image.convertToFormat(format, Qt::ThresholdDither));
}

void fillRecordKeys(TkvSkinData& data)
{
    const char* objects[][2] = {{"menuitem", "menuitem"}, {"caption", "caption"}, {"closebutton", "stdbutton"},
        {"minimizebutton", "stdbutton"}, {"maximizebutton", "stdbutton"}, {"rollupbutton", "stdbutton"},
        {"sysmenubutton", "stdbutton"}, {"mainmenubaritem", "mainmenubaritem"},
        {"menubarsysmenubutton", "mainmenubarbutton"}, {"menubarclosebutton", "mainmenubarbutton"},
        {"menubarmaxbutton", "mainmenubarbutton"}, {"menubarminbutton", "mainmenubarbutton"}};
    for (const auto& [name, kind] : objects)
        data.SkinObjects.push_back(createSkinObject(kind, name));

    const char* kinds[] = {"panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter", "trackbar",
        "label", "stdlabel", "updown", "grid", "tab", "mainmenubar", "controlbar", "memo", "edit", "checklistbox",
        "listbox", "combobox", "scrollbar", "spinedit", "scrollbox", "treeview", "bevel", "slider", "listview",
        "richedit"};
    for (int i = 0; i < 59; ++i) {
        const char* kind = kinds[i % std::size(kinds)];
        auto record = createSkinControl(kind, QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(i));
        record->pictureindex = i % 5;
        record->skinrect = {i, i + 1, i + 40, i + 21};
        data.SkinControls.push_back(std::move(record));
    }
    data.picture = QStringLiteral("main.bmp");
    data.mask = QStringLiteral("mask.bmp");
    data.skinname = QStringLiteral("Benchmark skin");
    data.clientrect = {5, 24, 157, 135};
}

QByteArray buildCompressedSkin(qint64& storedSize)
{
    TkvSkinData data;
    data.PictureBitmap = picture(162, 140, QImage::Format_Indexed8, 1);
    data.MaskBitmap = picture(162, 140, QImage::Format_Mono, 2);
    const int sizes[][2] = {{70, 66}, {48, 48}, {60, 48}, {16, 16}, {386, 386}};
    for (int i = 0; i < 5; ++i) {
        data.ActiveBitmaps.append(picture(sizes[i][0], sizes[i][1], QImage::Format_RGB32, i + 3));
        data.ActivePictureNames.append(QStringLiteral("active%1.bmp").arg(i));
    }
    fillRecordKeys(data);
    TkvCompressedStoredSkin stored;
    stored.LoadFromSkinData(data);
    platform::MemoryStream inflated;
    stored.DeCompressToStream(inflated);
    storedSize = inflated.size();
    return stored.CompressedData();
}

void BM_LoadCompressedStoredSkin(benchmark::State& state)
{
    qint64 storedSize = 0;
    TkvCompressedStoredSkin stored;
    stored.SetCompressedData(buildCompressedSkin(storedSize));
    for (auto _ : state) {
        TkvSkinData data;
        data.LoadCompressedStoredSkin(&stored);
        if (data.IsEmpty() || data.SkinObjects.size() != 12 || data.SkinControls.size() != 59) {
            state.SkipWithError("skin did not load");
            break;
        }
        benchmark::DoNotOptimize(data.SkinControls.data());
    }
    state.counters["stored_bytes"] = double(storedSize);
    state.counters["compressed_bytes"] = double(stored.CompressedData().size());
}
BENCHMARK(BM_LoadCompressedStoredSkin)->Unit(benchmark::kMillisecond);

// The skin the window really carries, packed from assets/skin as the build
// packs it.
void BM_LoadCarriedSkin(benchmark::State& state)
{
    TkvCompressedStoredSkin stored;
    stored.LoadFromIniFile(QStringLiteral(FCT_ASSETS_DIR "/skin/skin.ini"));
    for (auto _ : state) {
        TkvSkinData data;
        data.LoadCompressedStoredSkin(&stored);
        if (data.IsEmpty() || data.SkinControls.size() != 59) {
            state.SkipWithError("skin did not load");
            break;
        }
        benchmark::DoNotOptimize(data.SkinControls.data());
    }
    state.counters["compressed_bytes"] = double(stored.CompressedData().size());
}
BENCHMARK(BM_LoadCarriedSkin)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
