#pragma once

#include "protocol/LinkCounters.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QTimer;

namespace skin {
class TkvSkinData;
class TkvSkinEdit;
class TkvSorvane;
}

// The small window of link statistics: bytes and skipped bytes a second,
// the bytes skipped so far and the frames a second of each type, taken
// from the decoder's counters once a second while the window is shown. It
// wears the main window's skin.
class LinkStatisticsWindow : public QWidget {
    Q_OBJECT

public:
    using Counters = std::function<protocol::LinkCounters()>;
    using Clock = std::function<int64_t()>;

    LinkStatisticsWindow(skin::TkvSkinData* skinData, Counters counters, QWidget* parent = nullptr,
        Clock clock = {});

    // The rates since the last update (or since the window was shown).
    void refresh();

    // The value field of a row, in the order the window shows them: bytes,
    // skipped bytes a second, skipped in all, then one per frame type.
    skin::TkvSkinEdit* valueField(int row) const { return m_values[static_cast<size_t>(row)]; }
    static constexpr int kRows = 3 + protocol::kFrameTypeCount;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int64_t now() const;

    Counters m_counters;
    Clock m_clock;
    skin::TkvSorvane* m_frame;
    QTimer* m_timer;
    std::array<skin::TkvSkinEdit*, kRows> m_values{};
    protocol::LinkCounters m_last;
    int64_t m_lastMs = 0;
};
