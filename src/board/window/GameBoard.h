#pragma once

#include "board/table/BoardControls.h"
#include "board/table/Cards.h"
#include "board/window/GameServices.h"
#include "game/files/Highscore.h"
#include "game/files/KeptGame.h"
#include "game/files/Settings.h"
#include "game/files/StatisticsFile.h"
#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"
#include "game/model/GameStatistics.h"
#include "game/play/GameRound.h"
#include "game/words/Dictionary.h"
#include "game/words/WordFinder.h"
#include "records/EndOfGameFacts.h"
#include "ui/GameMenus.h"
#include "ui/OptionsHost.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

class QLabel;
class QAction;
class QMessageBox;
class QTimer;

namespace lexabit {

class BoardEffects;
class BoardSurface;
class BoardView;
class GameWindows;
class KeyboardPlayer;
class MissedWordsWindow;
class PauseCover;
class SoundFunctions;
class StatisticsWindow;

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
    const BoardControls& Controls() const { return controls_; }
    Cards& CardPics() { return cardPics_; }
    const GameMenus& Menus() const { return menus_; }
    GameWindows& Windows() { return *windows_; }
    Highscore& Scores() { return scores_; }
    bool NewGamePending() const { return newGamePending_; }
    std::int32_t BackgroundColor() const { return backgroundColor_; }

    // Start-up, new game and layout.
    void Form_Activate();
    void NewGame_Click() override;
    void NewGameSetup();
    void FitToBoardSize();
    // Lays the board out again when the word has grown past its room, or shrunk back.
    void FitBoardToWord();
    // Sizes the window to fit the available area of the screen it is on, and centres it there.
    void PlaceOnScreen();

    // Play.
    void Card_MouseDown(int index, double x, double y);
    void Card_MouseMove(int index, double x, double y);
    void Card_MouseUp(int index);
    void CheckWordButton_Click();
    void Undo_Click();
    void ShuffleSurface();
    void EndGame_Click();
    void TickClocks();
    void Hint_Click();
    // Pauses a game in play, or lets a paused one go on.
    void Pause_Click();

    // Options and help.
    void CardsOptions_Click();
    void ShowLettersWindow();
    void Level_Click();
    void BgOptions_Click();
    void Contents_Click();
    void Website_Click();
    void ShowAbout();
    void Exit_Click();
    void Highscore_Click();

    // Numbered deals and the statistics.
    void PlayDealNumber_Click();
    void RestartDeal_Click();
    void Statistics_Click();
    // Counts the game on the table in the statistics, once, whatever road it ended by.
    void CountFinishedGame(GameEnding ending);
    // Counts any finished game, on the table or not, telling the player when that fails.
    void CountInStatistics(const FinishedGameSummary& game);

    // Reads the settings file and applies it; writes it, telling the player when that fails.
    void LoadSettings() override;
    // Applies settings already read: the colours at once, the level and card back from the
    // next game on.
    void ApplySettings(const SettingsValues& values);
    void SaveSettings();
    void SetPanelText(int panel, const QString& text) override;
    Level NextGameLevel() const override;
    void ChooseLevel(Level level) override;
    void ChooseCardStyle(std::int16_t style) override;
    std::optional<int> PackBack() const override;
    void ShowBackOnPiles(std::optional<int> style) override;
    const LetterCountTexts& NextDealLetters() const override;
    void SetNextDealLetters(const LetterCountTexts& counts) override;
    void EnterPlayerName(const QString& name) override;
    bool AcceptsGameCommands() const override;

    // The window of the words missed in the last game, while it is open.
    MissedWordsWindow* OpenMissedWords() const;

    // A game that waits for its player: asked before it is abandoned, kept on Exit and
    // offered at the next start.
    bool MayAbandonGame() override;
    void NextGameAfterName() override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LoadOnOpen();
    void CloseDown();
    void CreateMotion();
    void ConnectCommands();
    void CreateKeyboardPlay();
    void WriteCountPanels();
    void ShowPackBack();
    void PaintBoardBackground(std::int32_t colour);
    // Brings the controls around the cards up to the game as it stands (the word and its
    // points, the words found, the piles) and repaints the board.
    void ShowGame();
    void ShowWordsFound();
    void ShowNameDialog();
    void NameDialogAnswered();
    // The words beyond play: missed words at a game's end, the hint, the stuck game.
    void NoteMissedWords();
    void ShowMissedWords();
    void AskIfStuck();
    // Shows a message about the running game, closed unanswered if the game ends meanwhile.
    int AskAboutThisGame(QMessageBox& message);
    void CloseGameMessage();
    void ClearHint();
    void ShowHintCost();
    // A game whose every card was used: the message, the show and the name.
    void EndWithAllCardsUsed();
    void PlayGameOverShow();
    void ReportFileProblem(const std::string& problem);
    // Holds the window for a step of a move or a synchronous sound, handling no event.
    void PaceMove(std::chrono::microseconds duration);
    // Every road to the end of a game comes through here: the clocks stop, the result is
    // taken as it stands, and the board takes no command that changes the game until
    // the name dialog is answered.
    void EndTheGame();
    // A card held when a time-out ends the game goes back where it was picked up.
    void PutHeldCardBack();
    void ShowClockReading(const ClockReading& reading);
    // Whether the game in play takes a move, a word check, a shuffle, an undo, a hint or its
    // end: not while a card is held, paused, over or closing.
    bool TakesPlay() const;
    void PauseGame();
    void ResumeGame();
    // Greys the commands that change the game while the board does not take them.
    void UpdateCommandAvailability();
    // Numbered deals: the commands, the deal's panel, the next deal and its number.
    void CreateDealCommands();
    void UpdateDealCommands();
    // Deals the next game's pack from these letter counts, under a number of its own or the
    // one asked to be played again.
    void DealNextGame(const LetterCountValues& counts);
    void StartDeal(std::uint32_t number);
    // Ends the game at the player's word: by End Game, or when a stuck game is given up.
    void EndOnRequest(GameEnding ending);
    // The game kept at the last Exit: read at the start, offered at the first activation.
    void AddAbandonQuestionSwitch();
    void ReadGameLeft();
    bool ResumeGameLeft();
    void TakeUpGameLeft(GameState kept);
    // Keeps the game in progress as the window closes; false when it could not be kept and
    // the player stays with it.
    bool KeepGameOnExit();
    void DealAfterMissedWords();
    void CloseMissedWordsOfEndedTable();

    GameServices services_;
    GameState state_;
    Cards cardPics_;
    GameMenus menus_;
    BoardView* board_ = nullptr;
    BoardControls controls_;
    QTimer* clockTimer_ = nullptr;
    std::unique_ptr<GameWindows> windows_;
    std::unique_ptr<SoundOutput> speakers_;
    std::unique_ptr<SoundFunctions> sounds_;
    std::unique_ptr<BoardSurface> surface_;
    std::unique_ptr<BoardEffects> effects_;
    SettingsFile settingsFile_;
    Dictionary dict_;
    Highscore scores_;
    GameClocks clocks_;
    std::int32_t backgroundColor_ = SettingsValues::DefaultBackgroundColor;
    // The stored level and card back a settings re-read set aside for the next game.
    std::optional<Level> storedLevel_;
    std::optional<std::int16_t> storedCardStyle_;
    EndOfGameFacts result_;
    PauseCover* pauseCover_ = nullptr;
    KeyboardPlayer* keyboardPlayer_ = nullptr;
    // The sound switch, on at every start.
    bool soundOn_ = true;
    // The game was paused because its window was minimised, and goes on when it is shown.
    bool pausedWhileMinimised_ = false;
    MissedWordsChoice missedWordsChoice_;
    std::optional<WordSearch> missedWordsAtEnd_;
    QPointer<MissedWordsWindow> missedWordsWindow_;
    QTimer* hintTimer_ = nullptr;
    QPointer<QMessageBox> openGameMessage_;
    KeptGameFile keptGameFile_;
    AbandonQuestionChoice abandonQuestion_;
    QAction* askBeforeAbandoning_ = nullptr;
    std::optional<KeptGameRead> gameLeft_;
    GameTime gameLeftReadAt_{};
    // The player agreed to abandon the game in play; a new game clears it.
    bool abandonAgreed_ = false;
    // A name was given: the next game is dealt once the words missed are closed.
    bool dealAfterMissedWords_ = false;
    bool newGamePending_ = false;
    bool closing_ = false;
    StatisticsFile statistics_;
    QPointer<StatisticsWindow> statisticsWindow_;
    struct DealCommands {
        QAction* PlayDealNumber = nullptr;
        QAction* RestartDeal = nullptr;
        QAction* Statistics = nullptr;
        QLabel* Panel = nullptr;
        std::optional<std::uint32_t> Requested; // the number the next deal is to replay
        bool Restarting = false;                // the next deal replays the one on the table
        bool Counted = false;                   // the game on the table is in the statistics
    } deals_;
};

} // namespace lexabit
