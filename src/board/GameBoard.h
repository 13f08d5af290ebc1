#pragma once

#include "board/Cards.h"
#include "board/GameMenus.h"
#include "board/GameServices.h"
#include "game/BoardLayout.h"
#include "game/GameState.h"
#include "game/SettingsFile.h"
#include "options/OptionsHost.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace lexabit {

class BoardView;
class ClickableLabel;
class GameWindows;
class LettersForm;
class StatusPanels;

// The main window: the board, the cards, the word display, the list of words
// found and the status bar, and the game they show.
class GameBoard : public QMainWindow, public OptionsHost {
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
    void NewGame_Click() override;
    void NewGameSetup();
    void Form_Resize();
    void CardsOptions_Click();
    void LF_Click();
    void Level_Click();
    void BgOptions_Click();
    void Contents_Click();
    void Website_Click();
    void Ab_Click();
    void Exit_Click();

    // Reads the settings file and applies it; writes it, telling the player when that fails.
    void LoadSettings() override;
    void SaveSettings();
    void SetPanelText(int panel, const QString& text) override;

    GameWindows& Windows() { return *windows_; }
    // The letters window, created hidden when it does not exist.
    LettersForm& Letters();
    std::int32_t BackgroundColor() const { return backgroundColor_; }

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
    void ShowPackBack();
    void PaintBoardBackground(std::int32_t colour);

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
    std::unique_ptr<GameWindows> windows_;
    SettingsFile settingsFile_;
    std::int32_t backgroundColor_ = SettingsValues::DefaultBackgroundColor;
    bool newGamePending_ = false;
};

} // namespace lexabit
