#include "board/table/BoardAccessible.h"

#include "board/table/BoardScale.h"
#include "board/table/BoardView.h"
#include "game/model/GameState.h"
#include "game/play/KeyboardMoves.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <map>
#include <vector>

namespace lexabit {

namespace {

// Children that are no card of the board.
constexpr int PackChild = -1;
constexpr int DiscardChild = -2;

QString Points(int value) {
    return value == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(value);
}

int CardsTagged(const GameState& state, CardTag tag) {
    int count = 0;
    for (int i = 1; i <= state.CardsTotal; ++i) {
        count += state.CardExists(i) && state.Card(i).Tag == tag ? 1 : 0;
    }
    return count;
}

// The children in the order a reader walks them: the table column by column, then the piles.
std::vector<int> ChildKeys(const GameState& state) {
    std::vector<int> keys = FocusStops(state);
    for (const int carried : CarriedCards(state)) {
        keys.push_back(carried);
    }
    if (state.Piles.Pack) {
        keys.push_back(PackChild);
    }
    if (state.Piles.DiscardPile) {
        keys.push_back(DiscardChild);
    }
    return keys;
}

QString ChildName(const GameState& state, int key) {
    if (key == PackChild) {
        return QStringLiteral("pack, %1 cards").arg(CardsTagged(state, CardTag::Pack));
    }
    if (key == DiscardChild) {
        return QStringLiteral("discard pile, %1 cards").arg(CardsTagged(state, CardTag::Used));
    }
    const CardRecord& card = state.Card(key);
    const int column = ColumnOf(state, card);
    if (card.Tag == CardTag::Marker) {
        return QStringLiteral("empty column %1").arg(column);
    }
    const QString letter = QString(QLatin1Char(card.Letter));
    if (const int position = state.WordCards.PositionOf(key); position != 0) {
        return QStringLiteral("word card %1 of %2, %3, %4")
            .arg(position)
            .arg(state.WordCards.Count())
            .arg(letter, Points(card.Value));
    }
    return QStringLiteral("%1, %2, column %3").arg(letter, Points(card.Value)).arg(column);
}

QRectF ChildPlace(const GameState& state, int key) {
    const auto box = [](const ElementBox& e) { return QRectF(e.Left, e.Top, e.Width, e.Height); };
    if (key == PackChild) {
        return box(state.Elements.PackBack);
    }
    if (key == DiscardChild) {
        return box(state.Elements.DiscardDeck);
    }
    const CardRecord& card = state.Card(key);
    return {card.Left, card.Top, CardWidth, CardHeight};
}

// One card, column or pile of the board. It holds no card itself: it looks the card up in
// the game each time it is asked, and stops being valid once the card has left the table.
class BoardChild final : public QAccessibleInterface {
public:
    BoardChild(BoardView* board, int key) : board_(board), key_(key) {}

    int Key() const { return key_; }

    bool isValid() const override {
        if (board_.isNull()) {
            return false;
        }
        const std::vector<int> keys = ChildKeys(board_->Game());
        return std::find(keys.begin(), keys.end(), key_) != keys.end();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return board_.isNull() ? nullptr : board_->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) {
            return {};
        }
        const GameState& state = board_->Game();
        if (kind == QAccessible::Name) {
            return ChildName(state, key_);
        }
        if (kind == QAccessible::Description && state.Keys.Held == key_) {
            return QStringLiteral(
                "picked up; Space drops it on the focused card, Escape puts it back");
        }
        return {};
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        // The board's units as the board shows them, at its scale.
        const QRectF units = ChildPlace(board_->Game(), key_);
        const BoardScale& scale = board_->Scale();
        const QRect place =
            QRectF(scale.ToPixels(units.topLeft()), scale.ToPixels(units.bottomRight()))
                .toAlignedRect();
        return {board_->mapToGlobal(place.topLeft()), place.size()};
    }
    QAccessible::Role role() const override {
        return key_ < 0 ? QAccessible::Graphic : QAccessible::ListItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const GameState& game = board_->Game();
        s.focusable = key_ > 0;
        s.focused = key_ > 0 && board_->hasFocus() && FocusedStop(game) == key_;
        s.selectable = key_ > 0;
        s.selected = game.Keys.Held == key_;
        return s;
    }

private:
    QPointer<BoardView> board_;
    int key_;
};

// The board itself: a list of its children, which it makes when first asked for and
// hands back to Qt when the board goes.
class BoardAccessible final : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView* board)
        : QAccessibleWidget(board, QAccessible::List, QStringLiteral("Board")), board_(board) {}
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;
    ~BoardAccessible() override {
        for (const auto& [key, id] : children_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    // The cards and piles come first, then the controls that stand on the board (the word,
    // its points, the words found, CheckWord, the status panels), as for any other widget.
    int childCount() const override {
        return static_cast<int>(ChildKeys(board_->Game()).size() + Controls().size());
    }
    QAccessibleInterface* child(int index) const override {
        const std::vector<int> keys = ChildKeys(board_->Game());
        const QList<QWidget*> controls = Controls();
        const auto at = static_cast<std::size_t>(index);
        if (index < 0 || at >= keys.size() + static_cast<std::size_t>(controls.size())) {
            return nullptr;
        }
        return at < keys.size() ? ChildOf(keys[at])
                                : QAccessible::queryAccessibleInterface(
                                      controls.at(static_cast<qsizetype>(at - keys.size())));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<int> keys = ChildKeys(board_->Game());
        if (const auto* item = dynamic_cast<const BoardChild*>(child)) {
            const auto at = std::find(keys.begin(), keys.end(), item->Key());
            return at == keys.end() ? -1 : static_cast<int>(at - keys.begin());
        }
        const qsizetype control = child == nullptr ? -1 : Controls().indexOf(child->object());
        return control < 0 ? -1 : static_cast<int>(keys.size()) + static_cast<int>(control);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* item = child(i);
            if (item != nullptr && item->rect().contains(x, y)) {
                return item;
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const std::optional<int> focus = FocusedStop(board_->Game());
        return focus && board_->hasFocus() ? ChildOf(*focus) : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return QStringLiteral("Cards on the table");
        }
        if (kind == QAccessible::Description) {
            return QStringLiteral("The face-up cards column by column, the pack and the discard "
                                  "pile. With Keyboard Play on, the arrows move between the "
                                  "cards, Space picks up and drops, Enter checks the word.");
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessibleInterface* ChildOf(int key) const {
        auto found = children_.find(key);
        if (found == children_.end()) {
            found =
                children_
                    .emplace(key,
                             QAccessible::registerAccessibleInterface(new BoardChild(board_, key)))
                    .first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

private:
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        for (QObject* child : board_->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && !widget->isWindow() &&
                qobject_cast<QMenu*>(widget) == nullptr) {
                controls.append(widget);
            }
        }
        return controls;
    }

    BoardView* board_;
    mutable std::map<int, QAccessible::Id> children_;
};

QAccessibleInterface* DescribeBoard(const QString& className, QObject* object) {
    if (className == QLatin1String("lexabit::BoardView") && object != nullptr &&
        object->isWidgetType()) {
        return new BoardAccessible(static_cast<BoardView*>(object));
    }
    return nullptr;
}

} // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&DescribeBoard);
        return true;
    }();
    static_cast<void>(installed);
}

void AnnounceBoardFocus(BoardView& board) {
    if (!QAccessible::isActive() || !board.hasFocus()) {
        return;
    }
    auto* described = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board));
    const std::optional<int> focus = FocusedStop(board.Game());
    if (described == nullptr || !focus) {
        return;
    }
    QAccessibleEvent moved(described->ChildOf(*focus), QAccessible::Focus);
    QAccessible::updateAccessibility(&moved);
}

} // namespace lexabit
