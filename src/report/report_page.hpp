#pragma once

#include <string>
#include <vector>

#include "report/band.hpp"

namespace vezu {

enum class Orientation { Portrait, Landscape };

// Paper size and margins in millimetres.
struct Paper {
    Unit width = 210;
    Unit height = 297;
    int sizeCode = 9; // A4
    Orientation orientation = Orientation::Portrait;
    Unit leftMargin = 10;
    Unit rightMargin = 10;
    Unit topMargin = 10;
    Unit bottomMargin = 10;

    Unit areaWidth() const { return (width - leftMargin - rightMargin) * kUnitsPerMm; }
    Unit areaHeight() const { return (height - topMargin - bottomMargin) * kUnitsPerMm; }
};

struct ReportPage {
    std::string name = "Page1";
    Paper paper;
    Font font;
    bool titleBeforeHeader = true;
    bool printIfEmpty = true;
    std::vector<Band> bands;
    std::vector<ReportObject> objects; // lying on the page outside any band

    const Band* findBand(BandKind kind) const {
        for (const Band& band : bands) {
            if (band.kind == kind) {
                return &band;
            }
        }
        return nullptr;
    }
};

} // namespace vezu
