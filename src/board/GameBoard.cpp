#include "board/GameBoard.h"

#include "board/BoardEffects.h"
#include "board/BoardSurface.h"
#include "board/BoardView.h"
#include "board/GameWindows.h"
#include "board/PauseCover.h"
#include "board/SoundFunctions.h"
#include "board/SpeakerOutput.h"
#include "board/WindowPlacement.h"
#include "board/WordCheckWindow.h"
#include "game/files/AtomicFileWrite.h"
#include "game/files/FileRead.h"
#include "game/files/Settings.h"
#include "game/model/Texts.h"
#include "game/motion/GameOverAnimation.h"
#include "game/play/CardDrop.h"
#include "game/play/CardPickup.h"
#include "game/play/Deal.h"
#include "game/play/GameRound.h"
#include "game/play/UndoLastMove.h"
#include "game/play/WordCheck.h"
#include "game/scoring/ScoreTexts.h"
#include "options/DataFileLocation.h"
#include "options/LettersForm.h"
#include "options/LevelForm.h"
#include "records/HighScoreForm.h"
#include "records/PrintCommands.h"
#include "records/StatusPanels.h"
#include "records/WordListPrinter.h"
#include "ui/ClickableLabel.h"
#include "ui/ColourValue.h"
#include "ui/GameText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace lexabit {

namespace {

QString FolderOf(const GameServices& services) {
    return QFile::decodeName(services.Folder->TextPath().c_str());
}

// A file the game writes, beside the program or in the player's own data folder.
std::filesystem::path WritablePath(const GameServices& services, const QString& relative,
                                   std::size_t maxBytes) {
    return QFile::encodeName(WritableDataFile(FolderOf(services), relative, maxBytes))
        .toStdString();
}

// A temporary file of a save this old belongs to no save still under way.
constexpr auto LeftoverSaveAge = std::chrono::minutes(10);

} // namespace

GameBoard::GameBoard(GameServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)),
      settingsFile_(
          WritablePath(services_, QStringLiteral("Settings/Settings.txt"), MaxSettingsFileBytes)),
      dict_(*services_.Folder),
      scores_(
          WritablePath(services_, QStringLiteral("highscore/highscore.dat"), MaxRecordFileBytes)),
      clocks_(*services_.Time),
      missedWordsChoice_(WritablePath(services_, QStringLiteral("Settings/MissedWords.txt"),
                                      MaxSettingsFileBytes)) {
    setObjectName(QStringLiteral("GameBoard"));
    setWindowTitle(Text(product::Title));
    menus_ = BuildGameMenus(*this);
    board_ = new BoardView(state_, cardPics_, this);
    board_->setMinimumSize(SmallestBoardSize);
    setCentralWidget(board_);
    controls_ = CreateBoardControls(*board_, state_.Elements);
    pauseCover_ = new PauseCover(*board_);
    // Whatever colour the player picks for the board, these read as the system's own.
    KeepSystemColours(*menuBar());
    KeepSystemColours(*controls_.StatusBar);
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer2"));
    clockTimer_->setInterval(ClockTickInterval);
    hintTimer_ = new QTimer(this);
    hintTimer_->setSingleShot(true);
    windows_ = std::make_unique<GameWindows>(
        *this, *this, cardPics_, scores_, [this] { return result_; }, FolderOf(services_));
    CreateMotion();
    ConnectCommands();
    auto* printer = new WordListPrinter(state_, *controls_.WordList, *services_.Time, *this,
                                        PrintOutlets::OfThisSystem(*this));
    ConnectPrintCommands(menus_, *printer, *controls_.WordList);
    Form_Load();
    PlaceOnScreen();
}

GameBoard::~GameBoard() {
    // The widgets, windows and helpers the board owns through Qt refer to the game held
    // in its members, which go before QWidget's destructor would delete them: they go
    // first, while the game is whole. The window's own layout refers to nothing of it.
    const QObjectList owned = children();
    for (const QPointer<QObject>& child : QList<QPointer<QObject>>(owned.begin(), owned.end())) {
        if (!child.isNull() && child != layout()) {
            delete child.data();
        }
    }
}

void GameBoard::CreateMotion() {
    const auto wait = [this](std::chrono::microseconds duration) { PaceMove(duration); };
    speakers_ = services_.Sound ? std::move(services_.Sound)
                                : std::make_unique<SpeakerOutput>(
                                      FolderOf(services_) + QStringLiteral("/sounds"), wait);
    sounds_ = std::make_unique<SoundFunctions>(FolderOf(services_), *speakers_);
    surface_ = std::make_unique<BoardSurface>(*board_, wait);
    effects_ = std::make_unique<BoardEffects>(state_, *board_, *surface_, *sounds_,
                                              [this] { return menus_.SoundOnOff->isChecked(); });
    wordCheckView_ = std::make_unique<WordCheckWindow>(
        *this, *board_, controls_,
        WordCheckWindow::EndOfGame{
            [this] { EndTheGame(); }, [this] { PlayGameOverAnimation(); },
            [this] { ShowNameDialog(); },
            [this] { return state_.Phase == GamePhase::AwaitingName && !closing_; }});
}

void GameBoard::PaceMove(std::chrono::microseconds duration) {
    if (services_.Wait) {
        services_.Wait(duration);
    }
}

void GameBoard::ConnectCommands() {
    const auto on = [this](QAction* action, void (GameBoard::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(menus_.NewGame, &GameBoard::NewGame_Click);
    on(menus_.ShuffleSurface, &GameBoard::ShuffleSurface);
    on(menus_.Undo, &GameBoard::Undo_Click);
    on(menus_.EndGame, &GameBoard::EndGame_Click);
    on(menus_.Exit, &GameBoard::Exit_Click);
    on(menus_.Highscore, &GameBoard::Highscore_Click);
    on(menus_.CardsOptions, &GameBoard::CardsOptions_Click);
    on(menus_.LettersWindow, &GameBoard::LF_Click);
    on(menus_.Level, &GameBoard::Level_Click);
    on(menus_.BackgroundColor, &GameBoard::BgOptions_Click);
    on(menus_.Contents, &GameBoard::Contents_Click);
    on(menus_.Website, &GameBoard::Website_Click);
    on(menus_.About, &GameBoard::Ab_Click);
    on(menus_.Hint, &GameBoard::Hint_Click);
    on(menus_.Pause, &GameBoard::Pause_Click);
    connect(pauseCover_, &PauseCover::ResumeAsked, this, &GameBoard::ResumeGame);
    connect(hintTimer_, &QTimer::timeout, this, &GameBoard::ClearHint);
    connect(controls_.ShuffleCards, &ClickableLabel::Clicked, this, &GameBoard::ShuffleSurface);
    connect(controls_.CheckWordButton, &QPushButton::clicked, this,
            &GameBoard::CheckWordButton_Click);
    connect(board_, &BoardView::Resized, this, &GameBoard::Form_Resize);
    connect(
        board_, &BoardView::CardMouseDown, this,
        [this](int index, Qt::MouseButton, double x, double y) { Card_MouseDown(index, x, y); });
    connect(
        board_, &BoardView::CardMouseMove, this,
        [this](int index, Qt::MouseButtons, double x, double y) { Card_MouseMove(index, x, y); });
    connect(board_, &BoardView::CardMouseUp, this,
            [this](int index, Qt::MouseButton, double, double) { Card_MouseUp(index); });
    // Any key on the board or a card checks the word, but for a command's own key, which
    // reaches the board only while its command is unavailable.
    connect(board_, &BoardView::KeyDown, this, [this](QKeyCombination key) {
        if (state_.Phase == GamePhase::Paused) {
            ResumeGame(); // any key brings a paused game back
        } else if (!IsCommandKey(menus_, QKeySequence(key))) {
            CheckWordButton_Click();
        }
    });
    connect(clockTimer_, &QTimer::timeout, this, &GameBoard::Timer2_Timer);
}

void GameBoard::Form_Load() {
    // Saves cut short by a killed game leave their temporary files behind.
    RemoveStaleTemporaryFiles(settingsFile_.Path(), LeftoverSaveAge);
    RemoveStaleTemporaryFiles(scores_.FilePath(), LeftoverSaveAge);
    // Told once, at the start; later reads fall back to the same defaults silently.
    const SettingsReadResult settings = settingsFile_.Load();
    ReportFileProblem(settings.Problem);
    ApplySettings(settings.Values);
    NewGameSetup();
    board_->SetDiscardPicture(state_.CardStyle);
    newGamePending_ = true;
}

void GameBoard::Form_Activate() {
    if (!newGamePending_) {
        return;
    }
    newGamePending_ = false;
    FillEmptyColumns(state_, *effects_);
    board_->update();
    AskIfStuck();
}

void GameBoard::NewGame_Click() {
    if (!AcceptsGameCommands()) {
        return; // a finished game waits for its name first; a held card is let go first
    }
    UnloadCards(state_);
    NewGameSetup();
    newGamePending_ = true;
    Form_Activate();
    Form_Resize();
}

void GameBoard::NewGameSetup() {
    ++gamesDealt_;
    controls_.PointsLabel->clear();
    controls_.WordLabel->clear();
    board_->SetPackVisible(true);
    // The stored level and card back that a settings re-read set aside begin here.
    state_.GameLevel = storedLevel_.value_or(state_.GameLevel);
    state_.CardStyle = storedCardStyle_.value_or(state_.CardStyle);
    storedLevel_.reset();
    storedCardStyle_.reset();
    const LetterCountValues counts = ReadLetterCounts(Letters().CountTexts());
    ResetGameVariables(state_, counts, services_.Time->Now());
    ClearHint(); // after the reset: the notice tells of this game's hints, none yet
    clocks_.Start();
    clockTimer_->start();
    // The clocks of the new game show at once, not the old game's during the deal.
    if (const std::optional<ClockReading> reading = clocks_.Tick(state_)) {
        ShowClockReading(*reading);
    }
    cardPics_.SetCardStyle(state_.CardStyle);
    ReportFileProblem(scores_.GetScores().Problem);
    if (HighScoreForm* open = windows_->OpenHighScores()) {
        open->FillList(); // an open table shows the result just recorded
    }
    ShowPackBack();
    board_->SetDiscardVisible(false);
    controls_.WordList->clear();
    DealCards(state_, counts, *services_.Random);
    board_->SetFigVisible(false);
    raise();
    WriteCountPanels();
    UpdateCommandAvailability();
    board_->update();
}

void GameBoard::WriteCountPanels() {
    SetPanelText(4, Text(CardsLeftPanel(state_.CardsTotal)));
    SetPanelText(1, Text(TotalScorePanel(state_.TotalScore)));
    SetPanelText(2, Text(WordCountPanel(controls_.WordList->topLevelItemCount())));
}

void GameBoard::Form_Resize() {
    state_.ScaleWidth = board_->width();
    state_.ScaleHeight = board_->height();
    state_.Elements.StatusBar.Width = board_->width();
    if (!LayoutApplies(state_.ScaleWidth, state_.ScaleHeight)) {
        return;
    }
    LayoutBoard(state_);
    PlaceBoardControls(controls_, state_.Elements);
    if (state_.Phase == GamePhase::Paused) {
        pauseCover_->Cover(controls_.StatusBar->height());
    }
    board_->update();
}

void GameBoard::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1600, 1200);
    const int menuHeight = menuBar()->sizeHint().height();
    // Allow for the window frame the window manager adds around the client area.
    constexpr int frameAllowance = 40;
    const QSize room(available.width() - frameAllowance,
                     available.height() - menuHeight - frameAllowance);
    const QSize board = OpeningBoardSize.boundedTo(room).expandedTo(SmallestBoardSize);
    resize(board.width(), board.height() + menuHeight);
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void GameBoard::Card_MouseDown(int index, double x, double y) {
    UpdateCommandAvailability();
    if (state_.Phase != GamePhase::Playing) {
        return; // the game is over: its cards stay as they are until the next game
    }
    lexabit::Card_MouseDown(state_, *effects_, index, x, y);
}

void GameBoard::Card_MouseMove(int index, double x, double y) {
    lexabit::Card_MouseMove(state_, *effects_, index, x, y);
}

void GameBoard::Card_MouseUp(int index) {
    UpdateCommandAvailability();
    if (state_.Phase != GamePhase::Playing) {
        return;
    }
    const WordDisplay shown = lexabit::Card_MouseUp(state_, *effects_, index);
    ShowWord(shown.Word, shown.Points);
}

void GameBoard::PutHeldCardBack() {
    const std::optional<int> held = board_->CapturedCard();
    board_->ForgetCapturedCard();
    UpdateCommandAvailability();
    if (!held || !state_.Drag.Active || !state_.CardExists(*held)) {
        return;
    }
    // A last move of the pointer that brings the held card, and the part of the word
    // that came with it, back to where it was picked up.
    const CardRecord& card = state_.Card(*held);
    lexabit::Card_MouseMove(state_, *effects_, *held,
                            state_.Drag.GrabX + state_.Drag.StartLeft - card.Left,
                            state_.Drag.GrabY + state_.Drag.StartTop - card.Top);
    state_.Drag.Active = false;
    board_->repaint();
}

bool GameBoard::AcceptsGameCommands() const {
    // A new game may follow a game in play or one that has ended without a name.
    const bool between = state_.Phase == GamePhase::Playing || state_.Phase == GamePhase::Ended;
    return between && !board_->CapturedCard() && !closing_;
}

bool GameBoard::TakesPlay() const {
    return state_.Phase == GamePhase::Playing && !board_->CapturedCard() && !closing_;
}

void GameBoard::UpdateCommandAvailability() {
    menus_.NewGame->setEnabled(AcceptsGameCommands());
    const bool play = TakesPlay();
    for (QAction* command : {menus_.Undo, menus_.ShuffleSurface, menus_.EndGame, menus_.Hint}) {
        command->setEnabled(play);
    }
    const bool paused = state_.Phase == GamePhase::Paused;
    menus_.Pause->setEnabled(play || paused);
    menus_.Pause->setChecked(paused);
    // The controls on the board are greyed only while a finished game waits for its
    // name or has ended without one, not at every drag.
    const bool live = state_.Phase == GamePhase::Playing;
    controls_.CheckWordButton->setEnabled(live);
    controls_.ShuffleCards->setEnabled(live);
    if (LevelForm* level = windows_->OpenLevel()) {
        level->SetOkEnabled(live || state_.Phase == GamePhase::Ended);
    }
}

void GameBoard::Pause_Click() {
    if (state_.Phase == GamePhase::Paused) {
        ResumeGame();
    } else {
        PauseGame();
    }
}

void GameBoard::PauseGame() {
    if (TakesPlay()) {
        state_.Phase = GamePhase::Paused;
        clocks_.Pause();
        pauseCover_->Cover(controls_.StatusBar->height());
    }
    UpdateCommandAvailability();
}

void GameBoard::ResumeGame() {
    if (state_.Phase != GamePhase::Paused) {
        return;
    }
    state_.Phase = GamePhase::Playing;
    pausedWhileMinimised_ = false;
    clocks_.Resume(state_);
    pauseCover_->hide();
    board_->setFocus(Qt::OtherFocusReason);
    UpdateCommandAvailability();
}

void GameBoard::ShowWord(const std::string& word, const std::string& points) {
    controls_.WordLabel->setText(Text(word));
    controls_.PointsLabel->setText(Text(points));
}

void GameBoard::Undo_Click() {
    if (!TakesPlay()) {
        return;
    }
    UndoLastMove(state_, *effects_);
    // The labels show the word the cards now spell, as after a drop.
    const WordDisplay shown = lexabit::ShowWord(state_);
    ShowWord(shown.Word, shown.Points);
}

void GameBoard::ShuffleSurface() {
    if (!TakesPlay()) {
        return;
    }
    lexabit::ShuffleSurface(state_, *effects_, *services_.Random);
}

void GameBoard::CheckWordButton_Click() {
    if (!TakesPlay()) {
        return;
    }
    WordCheck check(state_, dict_, *wordCheckView_, *effects_, *services_.Time,
                    [](GameState& state, Effects& effects) { FillEmptyColumns(state, effects); });
    const int game = gamesDealt_;
    check.CheckWordButton_Click();
    ShowHintCost(); // what the hints took off the score, if anything
    if (game == gamesDealt_) {
        AskIfStuck(); // a word that ended the game is followed by a new one
    }
}

void GameBoard::ReportFileProblem(const std::string& problem) {
    if (!problem.empty()) {
        QMessageBox::warning(this, Text(product::Title), Text(problem));
    }
}

bool GameBoard::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    // A modal window (the colour dialog, a printer's, a message) takes the mouse release
    // from a card held on the board: the card goes back before it would be stranded.
    if (event->type() == QEvent::WindowBlocked) {
        PutHeldCardBack();
    }
    return QMainWindow::event(event);
}

void GameBoard::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    // No clock runs on, and no game ends, while the player cannot see the board.
    if (isMinimized()) {
        PutHeldCardBack();
        if (TakesPlay()) {
            PauseGame();
            pausedWhileMinimised_ = true;
        }
    } else if (pausedWhileMinimised_) {
        ResumeGame();
    }
}

void GameBoard::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The board opens as the active window, also where no window manager hands out focus.
    activateWindow();
}

void GameBoard::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void GameBoard::Form_Unload() {
    closing_ = true;
    SaveSettings();
    // No window of the game stays open, or hidden, after the board closes.
    const QList<QWidget*> windows = findChildren<QWidget*>();
    for (QWidget* window : windows) {
        if (window->isWindow() && window != this) {
            window->close();
        }
    }
}

} // namespace lexabit
