#include "game/print/PageCanvas.h"

#include "game/model/Texts.h"

#include <algorithm>

namespace lexabit {

void ItemListCanvas::PrintItems(const PrintItemList& items) {
    for (const PrintItem& item : items) {
        if (const auto* number = std::get_if<PrintNumber>(&item)) {
            DrawAndAdvance(NumberText(number->Value) + " ");
        } else if (const auto* text = std::get_if<PrintText>(&item)) {
            DrawAndAdvance(text->Text);
        } else {
            MoveToColumn(std::get<ColumnStop>(item).Column);
        }
    }
    NewLine();
}

void ItemListCanvas::DrawAndAdvance(const std::string& text) {
    if (text.empty()) {
        return;
    }
    device_.DrawText(x_, y_, text);
    x_ += device_.TextWidth(text);
}

void ItemListCanvas::MoveToColumn(int column) {
    const double target = (std::max(column, 1) - 1) * device_.AverageCharWidth();
    if (x_ > target) {
        y_ += device_.LineHeight();
    }
    x_ = target;
}

void ItemListCanvas::NewLine() {
    x_ = 0;
    y_ += device_.LineHeight();
}

} // namespace lexabit
