#include "UiTestSupport.h"
#include "game/play/CardDrop.h"
#include "game/play/KeyboardMoves.h"

#include <QAccessible>
#include <map>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

const std::map<QChar, Qt::Key> Keys{
    {u'<', Qt::Key_Left},  {u'>', Qt::Key_Right},  {u'^', Qt::Key_Up},    {u'v', Qt::Key_Down},
    {u'_', Qt::Key_Space}, {u'x', Qt::Key_Escape}, {u'=', Qt::Key_Return}};

} // namespace

// Keyboard play moves the cards by the mouse's rules and names the focused card to
// assistive technology; switched off, any key checks the word as ever.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void keysPlayByTheMouseRules() {
        struct Case {
            bool on;
            const char* keys;  // arrows < > ^ v, Space _, Escape x, Enter =
            const char* word;  // the cards dealt to these columns
            const char* focus; // {n}: the letter and points of the card dealt to column n
            int wordsFound;
        };
        const Case cases[] = {
            {true, "_>_", "21", "word card 2 of 2, {1}", 0},
            {true, "_>x", "", "{1}, column 1", 0},
            {true, "_>_^_>_", "321", "word card 2 of 3, {2}", 0},
            {true, "_>_^_>_v_>_", "321", "word card 3 of 3, {1}", 0}, // refused, back
            {true, "_>_v_<_", "", "{1}, column 1", 0}, // the last card leaves the word
            {true, "_>_=", "", "empty column 1", 1},
            {true, ">>v__", "", "{3}, column 3", 0}, // down stays in its column
            {false, ">", "", "", 1},                 // the word laid by mouse is checked
        };
        for (const Case& c : cases) {
            const TestPart trace{c.keys};
            TestGame game(7);
            GameBoard& board = game.Deal();
            DealOnly(board, QStringLiteral("ABCDEFG"));
            const GameState& state = board.State();
            std::map<char, int> dealt;
            for (int column = 1; column <= 7; ++column) {
                dealt['0' + column] = CardOnColumn(state, column);
            }
            if (c.on) {
                Command(board, "KeyboardPlay").trigger();
            } else {
                LayWord(board, {dealt['2'], dealt['1']});
            }
            QWidget* surface = &board.Board();
            surface->setFocus();
            for (const QChar key : QString::fromLatin1(c.keys)) {
                QTest::keyClick(surface, Keys.at(key));
                if (state.Keys.Held && key != u'_') { // the mouse's ring: the focus, or refused
                    const std::optional<int> ring = ReceivingCard(state, *state.Keys.Held);
                    QVERIFY(!ring || ring == FocusedStop(state));
                }
            }
            QString word;
            QString expectedWord;
            for (const int card : state.WordCards.items()) {
                word += QLatin1Char(state.Card(card).Letter);
            }
            for (const char column : std::string_view(c.word)) {
                expectedWord += QLatin1Char(state.Card(dealt[column]).Letter);
            }
            QCOMPARE(word, expectedWord);
            QCOMPARE(static_cast<int>(state.WordsFound.size()), c.wordsFound);
            QVERIFY(!state.Keys.Held && !state.Drag.Active);
            QString name = QString::fromLatin1(c.focus);
            for (const auto& [column, card] : dealt) {
                const CardRecord& record = state.Card(card);
                name.replace(QStringLiteral("{%1}").arg(QLatin1Char(column)),
                             QStringLiteral("%1, %2 point%3")
                                 .arg(QLatin1Char(record.Letter))
                                 .arg(record.Value)
                                 .arg(record.Value == 1 ? "" : "s"));
            }
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(surface);
            QAccessibleInterface* focused = described->focusChild();
            QCOMPARE(focused != nullptr ? focused->text(QAccessible::Name) : QString(), name);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "Keyboard_test.moc"
