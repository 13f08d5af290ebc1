#pragma once

#include "board/table/BoardControls.h"
#include "game/play/WordCheck.h"

#include <functional>

class QWidget;

namespace lexabit {

class BoardView;

// The word check's view of the board: the word display, the word list, the status bar,
// the pictures around the table and the end-of-game show.
class WordCheckWindow final : public WordCheckView {
public:
    struct EndOfGame {
        std::function<void()> GameEnded;
        std::function<void()> PlayGameOverAnimation;
        std::function<void()> ShowNameDialog;
        // Whether the wait for a name goes on: the dialog still waits and the board is open.
        std::function<bool()> StillWaiting;
    };

    WordCheckWindow(QWidget& window, BoardView& board, const BoardControls& controls,
                    EndOfGame endOfGame)
        : window_(window), board_(board), controls_(controls), endOfGame_(std::move(endOfGame)) {}

    void ClearWordLabels() override;
    void ShowMessage(const std::string& text, const std::string& title) override;
    void InsertWordRowAtTop(const std::string& word) override;
    void SetTopRowPoints(const std::string& points) override;
    int WordRowCount() const override;
    void SetStatusPanel(int panel, const std::string& text) override;
    void ShowCardBackOnDiscardDeck() override;
    void SetControlVisible(BoardControl control, bool visible) override;
    void GameEnded() override;
    void PlayGameOverAnimation() override;
    void ShowNameDialog() override;
    bool WaitForEvents() override;

private:
    QWidget& window_;
    BoardView& board_;
    BoardControls controls_;
    EndOfGame endOfGame_;
};

} // namespace lexabit
