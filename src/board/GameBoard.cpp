#include "board/GameBoard.h"

#include "board/BoardView.h"
#include "board/CardOptions.h"
#include "board/ClickableLabel.h"
#include "board/GameWindows.h"
#include "game/Deal.h"
#include "game/NewGameReset.h"
#include "game/NumberText.h"
#include "game/ProductInfo.h"
#include "options/ColourValue.h"
#include "options/DataFileLocation.h"
#include "options/HelpViewer.h"
#include "options/LettersForm.h"
#include "options/LevelForm.h"
#include "options/WebPage.h"
#include "options/frmAboutLexabit.h"
#include "records/StatusPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace lexabit {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString FolderOf(const GameServices& services) {
    return QString::fromStdString(services.Folder->Path().string());
}

std::filesystem::path SettingsPath(const GameServices& services) {
    const auto relative = SettingsFile::PathIn({}).relative_path();
    return WritableDataFile(FolderOf(services), QString::fromStdString(relative.string()))
        .toStdString();
}

void PlaceWidget(QWidget* widget, const ElementBox& box) {
    widget->setGeometry(static_cast<int>(RoundHalfEven(box.Left)),
                        static_cast<int>(RoundHalfEven(box.Top)), static_cast<int>(box.Width),
                        static_cast<int>(box.Height));
}

QFont LabelFont(int points) {
    QFont font(QStringLiteral("Arial"), points, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

GameBoard::GameBoard(GameServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), settingsFile_(SettingsPath(services_)) {
    setObjectName(QStringLiteral("GameBoard"));
    setWindowTitle(QStringLiteral("Lexabit Solitaire"));
    menus_ = BuildGameMenus(*this);
    CreateBoardControls();
    windows_ = std::make_unique<GameWindows>(*this, *this, state_, cardPics_, *board_,
                                             FolderOf(services_));
    ConnectCommands();
    DisableCommandsStillToCome();
    Form_Load();
    PlaceOnScreen();
}

GameBoard::~GameBoard() = default;

void GameBoard::CreateBoardControls() {
    board_ = new BoardView(state_, cardPics_, this);
    board_->setMinimumSize(SmallestBoardSize);
    setCentralWidget(board_);

    WordLabel = new QLabel(board_);
    WordLabel->setObjectName(QStringLiteral("WordLabel"));
    WordLabel->setFont(LabelFont(36));
    PointsLabel = new QLabel(board_);
    PointsLabel->setObjectName(QStringLiteral("PointsLabel"));
    PointsLabel->setFont(LabelFont(24));
    for (QLabel* label : {WordLabel, PointsLabel}) {
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        // Cards glide and are dropped under the word display.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    ShuffleCards = new ClickableLabel(QStringLiteral("Shuffle Surface"), board_);
    ShuffleCards->setObjectName(QStringLiteral("ShuffleCards"));
    ShuffleCards->setAlignment(Qt::AlignCenter);
    ShuffleCards->setCursor(Qt::PointingHandCursor);

    WordList = new QTreeWidget(board_);
    WordList->setObjectName(QStringLiteral("WordList"));
    WordList->setColumnCount(2);
    WordList->setHeaderLabels({QStringLiteral("Words"), QStringLiteral("Points")});
    WordList->setRootIsDecorated(false);
    WordList->setSortingEnabled(false);
    WordList->setContextMenuPolicy(Qt::CustomContextMenu);
    WordList->header()->setStretchLastSection(true);
    WordList->setColumnWidth(0, 90);
    WordList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    CheckWordButton = new QPushButton(QStringLiteral("CheckWord"), board_);
    CheckWordButton->setObjectName(QStringLiteral("CheckWordButton"));

    StatusBar = new StatusPanels(board_);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(150);

    // The design sizes of the controls the layout places.
    BoardElements& e = state_.Elements;
    e.WordList = {0, 0, 155, 300};
    e.CheckWordButton = {0, 0, 155, 32};
    e.ShuffleCards = {0, 0, CardWidth, 20};
    e.StatusBar.Height = StatusBar->sizeHint().height();
}

void GameBoard::ConnectCommands() {
    connect(menus_.NewGame, &QAction::triggered, this, &GameBoard::NewGame_Click);
    connect(menus_.CardsOptions, &QAction::triggered, this, &GameBoard::CardsOptions_Click);
    connect(menus_.LF, &QAction::triggered, this, &GameBoard::LF_Click);
    connect(menus_.Level, &QAction::triggered, this, &GameBoard::Level_Click);
    connect(menus_.BgOptions, &QAction::triggered, this, &GameBoard::BgOptions_Click);
    connect(menus_.Contents, &QAction::triggered, this, &GameBoard::Contents_Click);
    connect(menus_.Website, &QAction::triggered, this, &GameBoard::Website_Click);
    connect(menus_.Ab, &QAction::triggered, this, &GameBoard::Ab_Click);
    connect(menus_.Exit, &QAction::triggered, this, &GameBoard::Exit_Click);
    connect(board_, &BoardView::Resized, this, &GameBoard::Form_Resize);
}

void GameBoard::DisableCommandsStillToCome() {
    for (QAction* action :
         {menus_.sh, menus_.Undo, menus_.Print, menus_.Highscore, menus_.EndGame, menus_.SoundOnOff,
          menus_.PrintList, menus_.TextColor, menus_.popExit}) {
        action->setEnabled(false);
    }
    CheckWordButton->setEnabled(false);
}

void GameBoard::Form_Load() {
    LoadSettings();
    board_->SetDiscardPicture(state_.CardStyle);
    NewGameSetup();
    newGamePending_ = true;
}

void GameBoard::Form_Activate() {
    if (!newGamePending_) {
        return;
    }
    newGamePending_ = false;
}

void GameBoard::NewGame_Click() {
    UnloadCards(state_);
    NewGameSetup();
    newGamePending_ = true;
    Form_Activate();
    Form_Resize();
}

void GameBoard::NewGameSetup() {
    PointsLabel->clear();
    WordLabel->clear();
    board_->SetPackVisible(true);
    const LetterCountValues counts = ReadLetterCounts(Letters().CountTexts());
    ResetGameVariables(state_, counts, services_.Time->Now());
    Timer2->start();
    cardPics_.SetCardStyle(state_.CardStyle);
    ShowPackBack();
    board_->SetDiscardVisible(false);
    WordList->clear();
    DealCards(state_, counts, *services_.Random);
    board_->SetFigVisible(false);
    raise();
    WriteCountPanels();
    board_->update();
}

void GameBoard::WriteCountPanels() {
    StatusBar->SetPanelText(4, QStringLiteral(" Number of Cards Left: ") +
                                   Text(NumberText(state_.CardsTotal)));
    StatusBar->SetPanelText(1,
                            QStringLiteral("Total Score: ") + Text(NumberText(state_.TotalScore)));
    StatusBar->SetPanelText(2, QStringLiteral("Total Number of Words: ") +
                                   Text(NumberText(WordList->topLevelItemCount())));
}

void GameBoard::Form_Resize() {
    state_.ScaleWidth = board_->width();
    state_.ScaleHeight = board_->height();
    state_.Elements.StatusBar.Width = board_->width();
    if (!LayoutApplies(state_.ScaleWidth, state_.ScaleHeight)) {
        return;
    }
    LayoutBoard(state_);
    ApplyElementPositions();
    board_->update();
}

void GameBoard::ApplyElementPositions() {
    const BoardElements& e = state_.Elements;
    PlaceWidget(ShuffleCards, e.ShuffleCards);
    PlaceWidget(WordList, e.WordList);
    PlaceWidget(CheckWordButton, e.CheckWordButton);
    PlaceWidget(WordLabel, e.WordLabel);
    PlaceWidget(PointsLabel, e.PointsLabel);
    PlaceWidget(StatusBar, e.StatusBar);
}

void GameBoard::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1600, 1200);
    const int menuHeight = menuBar()->sizeHint().height();
    // Allow for the window frame the window manager adds around the client area.
    constexpr int frameAllowance = 40;
    const QSize board = OpeningBoardSize
                            .boundedTo(QSize(available.width() - frameAllowance,
                                             available.height() - menuHeight - frameAllowance))
                            .expandedTo(SmallestBoardSize);
    resize(board.width(), board.height() + menuHeight);
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void GameBoard::ShowPackBack() {
    // A style outside the nine shows no picture on the pack.
    board_->SetPackPicture(state_.CardStyle);
}

void GameBoard::SetPanelText(int panel, const QString& text) {
    StatusBar->SetPanelText(panel, text);
}

LettersForm& GameBoard::Letters() {
    return windows_->Letters();
}

namespace {

void ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void GameBoard::LF_Click() {
    ShowWindow(Letters());
}

void GameBoard::CardsOptions_Click() {
    ShowWindow(windows_->CardOptionsWindow());
}

void GameBoard::Level_Click() {
    ShowWindow(windows_->Level());
}

void GameBoard::Ab_Click() {
    ShowWindow(windows_->About());
}

void GameBoard::Contents_Click() {
    HelpViewer& help = windows_->Help();
    const auto file = product::HelpFilePath(services_.Folder->Path());
    if (help.Open(QString::fromStdString(file.string()))) {
        ShowWindow(help);
    }
}

void GameBoard::Website_Click() {
    OpenWebPage(FolderOf(services_));
}

void GameBoard::Exit_Click() {
    close();
}

void GameBoard::LoadSettings() {
    const SettingsValues values = settingsFile_.Load().Values;
    state_.CardStyle = values.CardStyle;
    state_.Level = values.Level;
    PaintBoardBackground(values.BackgroundColor);
    windows_->PaintBackgrounds(values.BackgroundColor);
    cardPics_.SetCardStyle(state_.CardStyle);
    ShowPackBack();
}

void GameBoard::PaintBoardBackground(std::int32_t colour) {
    // The board keeps the stored value itself, so a system colour is written back unchanged.
    backgroundColor_ = colour;
    PaintBackground(*board_, colour);
}

void GameBoard::SaveSettings() {
    const FileWriteResult written =
        settingsFile_.Save({backgroundColor_, state_.CardStyle, state_.Level});
    if (!written.Succeeded()) {
        QMessageBox::warning(this, Text(std::string(product::Title)), Text(written.Message()));
    }
}

void GameBoard::BgOptions_Click() {
    LoadSettings();
    const QColor start = board_->palette().color(QPalette::Window);
    const QColor chosen = QColorDialog::getColor(start, this);
    // Cancelling repaints everything in the colour the dialog started from.
    const std::int32_t colour = chosen.isValid() ? ToColourValue(chosen) : backgroundColor_;
    PaintBackground(*this, colour);
    PaintBoardBackground(colour);
    windows_->PaintBackgrounds(colour);
    SaveSettings();
}

bool GameBoard::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QMainWindow::event(event);
}

void GameBoard::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void GameBoard::Form_Unload() {
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
