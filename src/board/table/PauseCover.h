#pragma once

#include <QWidget>

namespace lexabit {

// A plain board in the board's colour that hides the cards, the word and the words found
// while the game is paused, so a pause gives no time to think. Any key or click on it asks
// for the game to go on.
class PauseCover : public QWidget {
    Q_OBJECT

public:
    explicit PauseCover(QWidget& board);

    // Covers the board above its status bar, whose clocks show that they stand, and takes
    // the keys.
    void Cover(int statusBarHeight);

signals:
    void ResumeAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace lexabit
