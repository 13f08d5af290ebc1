#pragma once

#include "board/Cards.h"
#include "board/GameMenus.h"
#include "board/GameServices.h"
#include "game/BoardLayout.h"
#include "game/GameState.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace lexabit {

class BoardView;
class CardOptions;
class ClickableLabel;
class LettersForm;
class StatusPanels;

// The main window: the board, the cards, the word display, the list of words
// found and the status bar, and the game they show.
class GameBoard : public QMainWindow {
    Q_OBJECT

public:
    explicit GameBoard(GameServices services, QWidget* parent = nullptr);
    ~GameBoard() override;

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    BoardView& Board() { return *board_; }
    Cards& CardPics() { return cardPics_; }
    const GameMenus& Menus() const { return menus_; }
    bool NewGamePending() const { return newGamePending_; }

    // The board's size when the window opens, and the smallest it may become.
    static constexpr QSize OpeningBoardSize{1032, 713};
    static constexpr QSize SmallestBoardSize{LayoutMinWidth + 1, LayoutMinHeight + 1};

    void Form_Activate();
    void NewGame_Click();
    void NewGameSetup();
    void Form_Resize();
    void CardsOptions_Click();
    void LF_Click();

    // The letters window, created hidden when it does not exist.
    LettersForm& Letters();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void CreateBoardControls();
    void ConnectCommands();
    void DisableCommandsStillToCome();
    void ApplyElementPositions();
    void PlaceOnScreen();
    void WriteCountPanels();

    GameServices services_;
    GameState state_;
    Cards cardPics_;
    GameMenus menus_;
    BoardView* board_ = nullptr;
    QLabel* WordLabel = nullptr;
    QLabel* PointsLabel = nullptr;
    ClickableLabel* ShuffleCards = nullptr;
    QTreeWidget* WordList = nullptr;
    QPushButton* CheckWordButton = nullptr;
    StatusPanels* StatusBar = nullptr;
    QTimer* Timer2 = nullptr;
    QPointer<LettersForm> lettersForm_;
    QPointer<CardOptions> cardOptions_;
    bool newGamePending_ = false;
    int pickedStyle_ = 0; // the card options' last pick, kept while the program runs
};

} // namespace lexabit
