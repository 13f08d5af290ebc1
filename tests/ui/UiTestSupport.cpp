#include "UiTestSupport.h"

#include "game/model/BoardLayout.h"
#include "game/model/Ports.h"
#include "options/LettersForm.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <utility>

namespace lexabit::uitest {

namespace {

class FixedFolder final : public ProgramFolder {
public:
    explicit FixedFolder(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path Path() const override { return path_; }

private:
    std::filesystem::path path_;
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

class Silence final : public SoundOutput {
public:
    void Play(const QString&, bool) override {}
};

GameServices SeededServices(std::uint64_t seed) {
    GameServices services;
    services.Random = std::make_unique<RepeatableRandom>(seed);
    services.Time = std::make_unique<SettableClock>();
    services.Sound = std::make_unique<Silence>();
    return services;
}

} // namespace

QStringList AllTwoLetterWords() {
    QStringList words;
    for (char first = 'a'; first <= 'z'; ++first) {
        for (char second = 'a'; second <= 'z'; ++second) {
            words << QString::fromLatin1(std::string{first, second});
        }
    }
    return words;
}

TestGame::TestGame(std::uint64_t seed, const QStringList& words)
    : services(SeededServices(seed)), clock(static_cast<SettableClock&>(*services.Time)) {
    const QDir built(QStringLiteral(LEXABIT_PROGRAM_DIR));
    const QDir root(folder_.path());
    for (const QString folder : {"Settings", "sounds", "HelpFiles", "highscore"}) {
        root.mkpath(folder);
        for (const QString& file : QDir(built.filePath(folder)).entryList(QDir::Files)) {
            QFile::copy(built.filePath(folder + u'/' + file), root.filePath(folder + u'/' + file));
        }
    }
    root.mkpath(QStringLiteral("dictionary"));
    QByteArray list;
    for (const QString& word : words) {
        list += word.toLatin1() + "\r\n";
    }
    Write(QStringLiteral("dictionary/dictionary.txt"), list);
    services.Folder =
        std::make_unique<FixedFolder>(QFile::encodeName(folder_.path()).toStdString());
}

TestGame::~TestGame() = default;

QString TestGame::Path(const QString& relative) const {
    return QDir(folder_.path()).filePath(relative);
}

QByteArray TestGame::Read(const QString& relative) const {
    return FileBytes(Path(relative));
}

void TestGame::Write(const QString& relative, const QByteArray& bytes) const {
    WriteFile(Path(relative), bytes);
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

QAction& Command(const GameBoard& board, const char* name) {
    return Child<QAction>(board, QString::fromLatin1(name));
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ScoreTable RecordedScores(GameBoard& board) {
    Highscore scores(board.Scores().FilePath());
    return scores.GetScores().Ok ? scores.Table() : ScoreTable{};
}

void DealOnly(GameBoard& board, const QString& letters, Level level) {
    LettersForm& form = board.Letters();
    for (int i = 0; i < 26; ++i) {
        const bool dealt = letters.contains(QChar(u'A' + i));
        Child<QLineEdit>(form, QStringLiteral("Text1(%1)").arg(i))
            .setText(dealt ? QStringLiteral("1") : QStringLiteral("0"));
    }
    board.ChooseLevel(level);
    board.NewGame_Click();
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

int CardOf(const GameState& state, char letter) {
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (state.Card(i).Letter == letter) {
            return i;
        }
    }
    return 0;
}

QPoint PlaceOf(const GameState& state, int index) {
    return {static_cast<int>(state.Card(index).Left), static_cast<int>(state.Card(index).Top)};
}

void LayWord(GameBoard& board, const std::vector<int>& cards) {
    const QPoint grip(40, 60);
    QWidget* surface = &board.Board();
    for (std::size_t k = 1; k < cards.size(); ++k) {
        const QPoint from = PlaceOf(board.State(), cards[k]) + grip;
        const QPoint to = PlaceOf(board.State(), cards[k - 1]) + grip;
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 6; ++step) {
            QTest::mouseMove(surface, from + (to - from) * step / 6);
        }
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    }
}

void LayTwoLetterWord(GameBoard& board) {
    LayWord(board, {CardOnColumn(board.State(), 1), CardOnColumn(board.State(), 2)});
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
        if (QAbstractButton* button = box->button(questionAnswer_)) {
            button->click();
        } else {
            box->accept();
        }
        return;
    }
    if (!name_) {
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* field = window->findChild<QLineEdit*>(QStringLiteral("NameText"));
        if (field == nullptr || !field->isVisible()) {
            continue;
        }
        if (name_->isEmpty()) {
            field->window()->close();
        } else {
            field->setText(*name_);
            QTest::keyClick(field, Qt::Key_Return);
        }
        return;
    }
}

void AnswerColourDialog(std::optional<QColor> choice) {
    QTimer::singleShot(0, [choice] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->setCurrentColor(choice.value_or(QColor()));
            choice ? dialog->accept() : dialog->reject();
        }
    });
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

} // namespace lexabit::uitest
