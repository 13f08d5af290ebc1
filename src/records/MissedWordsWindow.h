#pragma once

#include "game/files/Settings.h"
#include "game/words/WordFinder.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace lexabit {

// Shows, after a game, the best words that could still have been laid from the cards
// left face up. Not modal; Escape closes it. Its check box decides whether it opens
// after every game, and is remembered in a file of its own.
class MissedWordsWindow : public QWidget {
    Q_OBJECT

public:
    explicit MissedWordsWindow(MissedWordsChoice choice, QWidget* parent = nullptr);

    void ShowWords(const WordSearch& search);

signals:
    // The player closed the window (Escape or its frame).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RememberChoice(bool showAfterEveryGame);

    MissedWordsChoice choice_;
    QLabel* MissedWordsHeading = nullptr;
    QTreeWidget* MissedWordsList = nullptr;
    QCheckBox* ShowAfterEveryGame = nullptr;
};

} // namespace lexabit
