#include "UiTestSupport.h"

#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/model/BoardLayout.h"
#include "game/model/Ports.h"
#include "options/LettersForm.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
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

} // namespace

void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

QString BuiltProgramFolder() {
    return QStringLiteral(LEXABIT_PROGRAM_DIR);
}

QString MakeProgramFolder(const QTemporaryDir& folder, const QStringList& words) {
    const QDir root(folder.path());
    for (const char* name : {"dictionary", "highscore", "Settings", "sounds", "HelpFiles"}) {
        root.mkpath(QString::fromLatin1(name));
    }
    QFile::copy(QDir(BuiltProgramFolder()).filePath(QStringLiteral("Settings/Settings.txt")),
                root.filePath(QStringLiteral("Settings/Settings.txt")));
    QFile list(root.filePath(QStringLiteral("dictionary/dictionary.txt")));
    if (list.open(QIODevice::WriteOnly)) {
        for (const QString& word : words) {
            list.write(word.toLatin1() + "\r\n");
        }
    }
    return folder.path();
}

QStringList AllTwoLetterWords() {
    QStringList words;
    for (char first = 'a'; first <= 'z'; ++first) {
        for (char second = 'a'; second <= 'z'; ++second) {
            words << QString::fromLatin1(std::string{first, second});
        }
    }
    return words;
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

void UseOnlyLetters(GameBoard& board, const std::map<int, QString>& counts) {
    LettersForm& letters = board.Letters();
    for (int i = 0; i < 26; ++i) {
        const auto found = counts.find(i);
        letters.findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i))
            ->setText(found == counts.end() ? QStringLiteral("0") : found->second);
    }
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

QPoint PlaceOf(const GameState& state, int index) {
    return {static_cast<int>(state.Card(index).Left), static_cast<int>(state.Card(index).Top)};
}

void ShowAndDeal(GameBoard& board) {
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    board.Form_Activate();
}

std::pair<int, int> LayTwoLetterWord(GameBoard& board) {
    const GameState& state = board.State();
    const int first = CardOnColumn(state, 1);
    const int second = CardOnColumn(state, 2);
    DragCard(board, second, PlaceOf(state, first));
    return {first, second};
}

void DragCard(GameBoard& board, int index, QPoint corner) {
    const CardRecord& card = board.State().Card(index);
    const QPoint grip(40, 60);
    const QPoint from = QPoint(static_cast<int>(card.Left), static_cast<int>(card.Top)) + grip;
    const QPoint to = corner + grip;
    QWidget* surface = &board.Board();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    constexpr int steps = 6;
    for (int step = 1; step <= steps; ++step) {
        QTest::mouseMove(surface, from + (to - from) * step / steps);
    }
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
}

GameServices TestServices(std::uint64_t seed, const QString& programFolder) {
    GameServices services;
    services.Random = std::make_unique<RepeatableRandom>(seed);
    services.Time = std::make_unique<SettableClock>();
    const QString folder = programFolder.isEmpty() ? BuiltProgramFolder() : programFolder;
    services.Folder = std::make_unique<FixedFolder>(folder.toStdString());
    services.Sound = std::make_unique<RecordingSound>();
    return services;
}

} // namespace lexabit::uitest
