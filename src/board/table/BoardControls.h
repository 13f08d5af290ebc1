#pragma once

class QLabel;
class QPushButton;
class QTreeWidget;

namespace lexabit {

class BoardView;
class ClickableLabel;
struct BoardElements;
class StatusPanels;

// The controls that stand on the board around the cards.
struct BoardControls {
    QLabel* WordLabel = nullptr;
    QLabel* PointsLabel = nullptr;
    ClickableLabel* ShuffleCards = nullptr;
    QTreeWidget* WordList = nullptr;
    QPushButton* CheckWordButton = nullptr;
    StatusPanels* StatusBar = nullptr;
};

// Creates the controls on the board and records their design sizes for the layout.
BoardControls CreateBoardControls(BoardView& board, BoardElements& elements);

// Moves the controls to where the layout placed them.
void PlaceBoardControls(const BoardControls& controls, const BoardElements& elements);

} // namespace lexabit
