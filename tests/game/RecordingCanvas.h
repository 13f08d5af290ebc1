#pragma once

#include "game/PageCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lexabit::testing {

// Records the page as printed lines. Moving down a line is the canvas's business,
// so each line is placed by the last y that was set and the lines printed since.
class RecordingCanvas final : public PageCanvas {
public:
    struct Line {
        double x;
        double y;        // the y last set
        int linesBelowY; // lines printed between that y and this line
        double fontSize;
        std::int32_t colour;
        PrintItemList items;
    };

    void SetUnitToDevicePixels() override { calls.push_back("unit"); }
    void SetX(double value) override {
        calls.push_back("x");
        x_ = value;
    }
    void SetY(double value) override {
        calls.push_back("y");
        y_ = value;
        linesBelowY_ = 0;
    }
    void SetFontSize(double points) override {
        calls.push_back("font");
        fontSize_ = points;
    }
    void SetTextColor(std::int32_t value) override {
        calls.push_back("colour");
        colour_ = value;
    }
    void PrintItems(const PrintItemList& items) override {
        calls.push_back("print");
        lines.push_back({x_, y_, linesBelowY_, fontSize_, colour_, items});
        x_ = 0;
        ++linesBelowY_;
    }
    void EndDocument() override { calls.push_back("end"); }

    std::vector<std::string> calls;
    std::vector<Line> lines;

private:
    double x_ = 0;
    double y_ = 0;
    int linesBelowY_ = 0;
    double fontSize_ = 0;
    std::int32_t colour_ = -1;
};

} // namespace lexabit::testing
