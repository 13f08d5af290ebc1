#pragma once

#include "game/PageCanvas.h"
#include "game/TextDevice.h"

namespace lexabit {

// A page canvas on a text device: keeps the print position and turns item lists
// into drawn texts, with the blanks around numbers and the column stops.
class ItemListCanvas final : public PageCanvas {
public:
    explicit ItemListCanvas(TextDevice& device) : device_(device) {}

    // The device measures in its own pixels already.
    void SetUnitToDevicePixels() override {}
    void SetX(double x) override { x_ = x; }
    void SetY(double y) override { y_ = y; }
    void SetFontSize(double points) override { device_.SetFontSize(points); }
    void SetTextColor(std::int32_t colour) override { device_.SetTextColor(colour); }
    void PrintItems(const PrintItemList& items) override;
    void EndDocument() override { device_.EndDocument(); }

    double X() const { return x_; }
    double Y() const { return y_; }

private:
    void DrawAndAdvance(const std::string& text);
    void MoveToColumn(int column);
    void NewLine();

    TextDevice& device_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace lexabit
