// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Find Anywhere (Ctrl+K): the box over the main window that finds a unit in
// any category of the package, or reads a whole conversion ("5 kn to km/h"),
// and goes there. The matching and the reading of the line are the core's
// (UnitResolver, which quantova-cli uses too, and ConversionLine); this
// joins them to the box and the view.
//
//   empty field   the recent places, most recent first
//   "knot"        the units found, best first: "knot (knots) — Velocity (Speed)"
//   "5 kn"        first line: that value in that unit, then other readings
//   "5 kn to km/h" first line "5 kn = 9.26 km/h", then the two units
//   a fault       first line says what is wrong, then the units to pick from

#include "catalogue/Extended.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

namespace qv {

class FindAnywhereBox;
class TConversionView;
struct TMainControls;

class TFindAnywhere : public QObject {
    Q_OBJECT
public:
    // Lines of units found that the list shows at most.
    static constexpr std::size_t MaxMatches = 100;

    TFindAnywhere(TMainControls& controls, TConversionView& view, QWidget* window);

    // Opens the box, or selects its text when open.
    void Open();
    FindAnywhereBox* Box() const { return box_; }

private:
    // Where a line of the list goes.
    struct Destination {
        std::int32_t Category = -1;
        std::int32_t Unit = -1;
        std::optional<Extended> Value;  // none: the number shown stays
        std::int32_t Highlight = -1;    // a unit whose row to highlight
    };

    void Refill();
    void Chosen(int row);

    TMainControls& c_;
    TConversionView& view_;
    FindAnywhereBox* box_;
    std::vector<std::optional<Destination>> destinations_;  // one per line
};

}  // namespace qv
