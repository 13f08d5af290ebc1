#include "board/window/GameBoard.h"

#include "board/sound/Sounds.h"
#include "board/table/BoardControls.h"
#include "board/table/BoardEffects.h"
#include "board/table/BoardScale.h"
#include "board/table/BoardSurface.h"
#include "board/table/BoardView.h"
#include "board/table/KeyboardPlayer.h"
#include "board/window/GameWindows.h"
#include "board/window/WindowPlacement.h"
#include "game/files/AtomicFileWrite.h"
#include "game/files/FileRead.h"
#include "game/files/Settings.h"
#include "game/model/Texts.h"
#include "game/motion/GameOverAnimation.h"
#include "game/motion/Shuffle.h"
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
                                      MaxSettingsFileBytes)),
      keptGameFile_(
          WritablePath(services_, QStringLiteral("KeptGame/KeptGame.txt"), MaxKeptGameBytes)),
      abandonQuestion_(WritablePath(services_, QStringLiteral("Settings/AskBeforeAbandoning.txt"),
                                    MaxSettingsFileBytes)),
      statistics_(
          WritablePath(services_, QStringLiteral("highscore/statistics.txt"), MaxRecordFileBytes),
          scores_.FilePath()) {
    setObjectName(QStringLiteral("GameBoard"));
    setWindowTitle(Text(product::Title));
    menus_ = BuildGameMenus(*this);
    AddAbandonQuestionSwitch();
    board_ = new BoardView(state_, cardPics_, this);
    board_->setMinimumSize(BoardPixelsAt(SmallestBoardScale));
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
    CreateKeyboardPlay();
    ConnectCommands();
    CreateDealCommands();
    auto* printer =
        new WordListPrinter(state_, *services_.Time, *this, PrintOutlets::OfThisSystem(*this));
    ConnectPrintCommands(menus_, *printer, *controls_.WordList);
    LoadOnOpen();
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
    effects_ = std::make_unique<BoardEffects>(
        state_, *surface_, *sounds_, [this] { return soundOn_; }, [this] { ShowGame(); });
}

void GameBoard::CreateKeyboardPlay() {
    KeyboardPlayer::Hooks hooks{[this] { return TakesPlay(); }, [this] { CheckWordButton_Click(); },
                                [this] { UpdateCommandAvailability(); }};
    keyboardPlayer_ = new KeyboardPlayer(
        state_, *effects_, *board_,
        KeyboardPlayChoice(WritablePath(services_, QStringLiteral("Settings/KeyboardPlay.txt"),
                                        MaxSettingsFileBytes)),
        std::move(hooks), this);
    connect(menus_.KeyboardPlay, &QAction::triggered, this,
            [this](bool on) { ReportFileProblem(keyboardPlayer_->Choose(on).Problem); });
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
    on(menus_.LettersWindow, &GameBoard::ShowLettersWindow);
    on(menus_.Level, &GameBoard::Level_Click);
    on(menus_.BackgroundColor, &GameBoard::BgOptions_Click);
    on(menus_.Contents, &GameBoard::Contents_Click);
    on(menus_.Website, &GameBoard::Website_Click);
    on(menus_.About, &GameBoard::ShowAbout);
    on(menus_.Hint, &GameBoard::Hint_Click);
    on(menus_.Pause, &GameBoard::Pause_Click);
    // The check mark shows the switch; the board keeps it.
    connect(menus_.SoundOnOff, &QAction::toggled, this, [this](bool on) { soundOn_ = on; });
    connect(pauseCover_, &PauseCover::ResumeAsked, this, &GameBoard::ResumeGame);
    connect(hintTimer_, &QTimer::timeout, this, &GameBoard::ClearHint);
    connect(controls_.ShuffleCards, &ClickableLabel::Clicked, this, &GameBoard::ShuffleSurface);
    connect(controls_.CheckWordButton, &QPushButton::clicked, this,
            &GameBoard::CheckWordButton_Click);
    connect(board_, &BoardView::Resized, this, &GameBoard::FitToBoardSize);
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
        } else if (!IsCommandKey(menus_, QKeySequence(key)) && !keyboardPlayer_->PlayKey(key)) {
            CheckWordButton_Click();
        }
        FitBoardToWord(); // a card Space dropped may have made the word longer
    });
    connect(clockTimer_, &QTimer::timeout, this, &GameBoard::TickClocks);
}

void GameBoard::LoadOnOpen() {
    // Saves cut short by a killed game leave their temporary files behind.
    RemoveStaleTemporaryFiles(settingsFile_.Path(), LeftoverSaveAge);
    RemoveStaleTemporaryFiles(scores_.FilePath(), LeftoverSaveAge);
    // Told once, at the start; later reads fall back to the same defaults silently.
    const SettingsReadResult settings = settingsFile_.Load();
    ReportFileProblem(settings.Problem);
    ApplySettings(settings.Values);
    ReportFileProblem(keyboardPlayer_->LoadChoice());
    menus_.KeyboardPlay->setChecked(keyboardPlayer_->IsOn());
    ReadGameLeft();
    NewGameSetup();
    newGamePending_ = true;
}

void GameBoard::Form_Activate() {
    if (!newGamePending_) {
        return;
    }
    newGamePending_ = false;
    if (ResumeGameLeft()) {
        return; // the table stands as it was left
    }
    FillEmptyColumns(state_, *effects_);
    board_->update();
    AskIfStuck();
}

void GameBoard::NewGame_Click() {
    if (!AcceptsGameCommands() || !MayAbandonGame()) {
        return; // a finished game waits for its name first; a held card is let go first
    }
    CountFinishedGame(GameEnding::Abandoned);
    CloseMissedWordsOfEndedTable();
    UnloadCards(state_);
    NewGameSetup();
    newGamePending_ = true;
    Form_Activate();
    FitToBoardSize();
}

void GameBoard::NewGameSetup() {
    abandonAgreed_ = false;
    // The stored level and card back that a settings re-read set aside begin here.
    state_.GameLevel = storedLevel_.value_or(state_.GameLevel);
    state_.CardStyle = storedCardStyle_.value_or(state_.CardStyle);
    storedLevel_.reset();
    storedCardStyle_.reset();
    // A restart deals again on the letters of the deal on the table, whatever was chosen since.
    const LetterCountValues counts =
        deals_.Restarting ? state_.Deal.Letters : ReadLetterCounts(state_.NextDealLetters);
    ResetGameVariables(state_, counts, services_.Time->Now());
    ShowGame();
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
    DealNextGame(counts);
    board_->SetFigVisible(false);
    raise();
    WriteCountPanels();
    UpdateCommandAvailability();
    board_->update();
}

void GameBoard::WriteCountPanels() {
    SetPanelText(4, Text(CardsLeftPanel(CardsLeft(state_))));
    SetPanelText(2, Text(WordCountPanel(static_cast<int>(state_.WordsFound.size()))));
    SetPanelText(1, Text(TotalScorePanel(state_.TotalScore)));
}

void GameBoard::ShowGame() {
    controls_.WordLabel->setText(Text(state_.Shown.Word));
    controls_.PointsLabel->setText(Text(state_.Shown.Points));
    ShowWordsFound();
    board_->update();
}

void GameBoard::ShowWordsFound() {
    QTreeWidget& list = *controls_.WordList;
    const auto shown = static_cast<std::size_t>(list.topLevelItemCount());
    if (shown > state_.WordsFound.size()) {
        list.clear(); // a new game
    }
    // The newest word at the top; the rows already shown stay as they are.
    for (std::size_t k = static_cast<std::size_t>(list.topLevelItemCount());
         k < state_.WordsFound.size(); ++k) {
        const AcceptedWord& found = state_.WordsFound[k];
        list.insertTopLevelItem(
            0, new QTreeWidgetItem(QStringList{Text(found.Word), Text(found.Points)}));
    }
}

void GameBoard::FitToBoardSize() {
    // The rules lay the board out in its own units; the view shows them at one scale.
    const double scale =
        BoardScaleFor(board_->size(), state_.WordCards.Count(), state_.Elements.StatusBar.Height);
    board_->SetScale(scale);
    ScaleBoardControls(controls_, state_.Elements, scale);
    const QSizeF units = board_->Scale().UnitsOf(board_->size());
    state_.ScaleWidth = units.width();
    state_.ScaleHeight = units.height();
    state_.Elements.StatusBar.Width = units.width();
    if (!LayoutApplies(state_.ScaleWidth, state_.ScaleHeight)) {
        return;
    }
    LayoutBoard(state_);
    PlaceBoardControls(controls_, state_.Elements, scale);
    if (state_.Phase == GamePhase::Paused) {
        pauseCover_->Cover(controls_.StatusBar->height(), board_->Scale().Factor());
    }
    board_->update();
}

void GameBoard::FitBoardToWord() {
    if (BoardScaleFor(board_->size(), state_.WordCards.Count(), state_.Elements.StatusBar.Height) !=
        board_->Scale().Factor()) {
        FitToBoardSize();
    }
}

void GameBoard::PlaceOnScreen() {
    const QScreen* screen = this->screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1600, 1200);
    const int menuHeight = menuBar()->sizeHint().height();
    // Allow for the window frame the window manager adds around the client area.
    constexpr int frameAllowance = 40;
    const QSize room(available.width() - frameAllowance,
                     available.height() - menuHeight - frameAllowance);
    const QSize board = OpeningBoardPixels(room);
    resize(board.width(), board.height() + menuHeight);
    move(available.center() - QPoint(width() / 2, height() / 2));
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
    if (!closing_ && !KeepGameOnExit()) {
        event->ignore();
        return;
    }
    CloseDown();
    event->accept();
}

void GameBoard::CloseDown() {
    closing_ = true;
    CountFinishedGame(GameEnding::Abandoned);
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
