#include "UiTestSupport.h"

#include "board/window/GameWindows.h"
#include "game/model/BoardLayout.h"
#include "game/model/Ports.h"
#include "options/LettersForm.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace lexabit::uitest {

namespace {

struct FixedFolder final : ProgramFolder {
    explicit FixedFolder(std::filesystem::path at) : at(std::move(at)) {}
    std::filesystem::path Path() const override { return at; }
    std::filesystem::path at;
};

// Seeding "from the clock" starts the same sequence every time, so deals repeat.
class RepeatableRandom final : public RandomSource {
public:
    explicit RepeatableRandom(std::uint64_t seed) : seed_(seed), random_(seed) {}
    void SeedFromClock() override { random_ = MersenneRandom(seed_); }
    double Fraction() override { return random_.Fraction(); }

private:
    std::uint64_t seed_;
    MersenneRandom random_;
};

} // namespace

void SoundRecorder::Play(const QString& path, bool synchronous) {
    heard << QFileInfo(path).fileName() + (synchronous ? " waited" : " not waited");
}

QStringList AllTwoLetterWords() {
    QStringList words;
    for (int i = 0; i < 26 * 26; ++i) {
        words << QString(QChar(u'a' + i / 26)) + QChar(u'a' + i % 26);
    }
    return words;
}

TestGame::TestGame(std::uint64_t seed, const QStringList& words)
    : services{.Random = std::make_unique<RepeatableRandom>(seed),
               .Time = std::make_unique<SettableClock>(),
               .Folder = {}, // below, once the folder is filled
               .Sound = std::make_unique<SoundRecorder>(),
               .Wait = {}}, // glides without pauses
      clock(static_cast<SettableClock&>(*services.Time)),
      sounds(static_cast<SoundRecorder&>(*services.Sound)) {
    // A run as another user may be given a copy of the data where that user can read it.
    const QDir built(
        qEnvironmentVariable("LEXABIT_PROGRAM_DIR", QStringLiteral(LEXABIT_PROGRAM_DIR)));
    for (const QString folder : {"Settings", "sounds", "HelpFiles", "highscore"}) {
        QDir(folder_.path()).mkpath(folder);
        for (const QString& file : QDir(built.filePath(folder)).entryList(QDir::Files)) {
            QFile::copy(built.filePath(folder + u'/' + file), Path(folder + u'/' + file));
        }
    }
    QDir(folder_.path()).mkpath(QStringLiteral("dictionary"));
    Write(QStringLiteral("dictionary/dictionary.txt"),
          words.isEmpty() ? QByteArray()
                          : (words.join(QStringLiteral("\r\n")) + "\r\n").toLatin1());
    services.Folder =
        std::make_unique<FixedFolder>(QFile::encodeName(folder_.path()).toStdString());
}

QByteArray TestGame::Read(const QString& relative) const {
    QFile file(Path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestGame::Write(const QString& relative, const QByteArray& bytes) const {
    QFile file(Path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(relative));
    }
}

GameBoard& TestGame::Open() {
    if (!board_) {
        board_ = std::make_unique<GameBoard>(std::move(services));
    }
    return *board_;
}

GameBoard& TestGame::Deal() {
    GameBoard& board = Open();
    board.show();
    if (!QTest::qWaitForWindowExposed(&board)) {
        qFatal("the board did not show");
    }
    board.Form_Activate();
    return board;
}

ScoreTable RecordedScores(GameBoard& board) {
    Highscore scores(board.Scores().FilePath());
    return scores.GetScores().Ok ? scores.Table() : ScoreTable{};
}

void DealOnly(GameBoard& board, const QString& letters, Level level) {
    for (int i = 0; i < 26; ++i) {
        Child<QLineEdit>(board.Windows().Letters(), QStringLiteral("Text1(%1)").arg(i))
            .setText(letters.contains(QChar(u'A' + i)) ? QStringLiteral("1") : QStringLiteral("0"));
    }
    board.ChooseLevel(level);
    Abandoning([&] { board.NewGame_Click(); });
}

int CardOnColumn(const GameState& state, int column) {
    const ColumnTop top = ColumnPosition(state, column);
    for (int i = 1; i <= state.CardsTotal; ++i) {
        const CardRecord& card = state.Card(i);
        if (card.Tag == CardTag::Table && card.Left == static_cast<float>(top.Left) &&
            card.Top == static_cast<float>(top.Top)) {
            return i;
        }
    }
    return 0;
}

std::vector<int> ColumnCards(const GameState& state) {
    std::vector<int> cards;
    for (int column = 1; column <= 7; ++column) {
        cards.push_back(CardOnColumn(state, column));
    }
    return cards;
}

int CardOf(const GameState& state, char letter) {
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (state.Card(i).Letter == letter) {
            return i;
        }
    }
    return 0;
}

void LayWord(GameBoard& board, const std::vector<int>& cards) {
    const auto grip = [&](int card) {
        const QPointF units(PlaceOf(board.State(), card) + QPoint(40, 60));
        return board.Board().Scale().ToPixels(units).toPoint();
    };
    for (std::size_t k = 1; k < cards.size(); ++k) {
        const QPoint from = grip(cards[k]);
        const QPoint to = grip(cards[k - 1]);
        QTest::mousePress(&board.Board(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 6; ++step) {
            QTest::mouseMove(&board.Board(), from + (to - from) * step / 6);
        }
        QTest::mouseRelease(&board.Board(), Qt::LeftButton, Qt::NoModifier, to);
    }
}

void LayAndCheckAWord(GameBoard& board) {
    QTRY_VERIFY(CardOnColumn(board.State(), 2) > 0);
    LayTwoLetterWord(board);
    board.CheckWordButton_Click();
    QCOMPARE(board.State().WordsFound.size(), std::size_t{1});
}

void AnswerColourDialog(std::optional<QColor> choice, QList<QColor>* offered) {
    QTimer::singleShot(0, [choice, offered] {
        auto& dialog = *qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (offered != nullptr) {
            *offered << dialog.currentColor();
        }
        dialog.setCurrentColor(choice.value_or(Qt::yellow));
        choice ? dialog.accept() : dialog.reject();
    });
}

MessageAnswerer::MessageAnswerer(std::optional<QString> name,
                                 QMessageBox::StandardButton questionAnswer)
    : name_(std::move(name)), questionAnswer_(questionAnswer) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start(5);
}

void MessageAnswerer::Answer() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        titles << box->windowTitle();
        texts << box->text();
        if (whileShown) {
            whileShown();
        }
        QAbstractButton* button = box->button(questionAnswer_);
        button != nullptr ? button->click() : QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* field = window->findChild<QLineEdit*>(QStringLiteral("NameText"));
        if (name_ && field != nullptr && field->isVisible()) {
            if (name_->isEmpty()) {
                field->window()->close();
            } else {
                field->setText(*name_);
                QTest::keyClick(field, Qt::Key_Return);
            }
            return;
        }
    }
}

} // namespace lexabit::uitest
