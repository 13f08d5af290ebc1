#pragma once

// What lies over the painted board: its labels, word list and buttons, and the cover of a
// paused game.

#include <QWidget>

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

// Scales the controls' fonts for a board shown at this scale, before the layout: the status
// bar grows, in board units, where its smaller text needs more than its design height.
void ScaleBoardControls(const BoardControls& controls, BoardElements& elements, double scale);

// Moves the controls to where the layout placed them, on a board shown at this scale: their
// places and sizes grow and shrink with the cards.
void PlaceBoardControls(const BoardControls& controls, const BoardElements& elements,
                        double scale = 1.0);

// A plain board in the board's colour that hides the cards, the word and the words found
// while the game is paused, so a pause gives no time to think. Any key or click on it asks
// for the game to go on.
class PauseCover : public QWidget {
    Q_OBJECT

public:
    explicit PauseCover(QWidget& board);

    // Covers the board above its status bar, whose clocks show that they stand, and takes
    // the keys; its text is as large as the board's scale makes the board's own.
    void Cover(int statusBarHeight, double scale);

signals:
    void ResumeAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double scale_ = 1.0;
};

} // namespace lexabit
