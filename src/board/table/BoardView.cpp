#include "board/table/BoardView.h"

#include "board/table/BoardAccessible.h"
#include "board/table/Cards.h"
#include "game/model/GameState.h"
#include "game/play/CardDrop.h"
#include "game/play/KeyboardMoves.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lexabit {

namespace {

QRectF BoxRect(const ElementBox& box) {
    return {box.Left, box.Top, box.Width, box.Height};
}

// The line around the card the keyboard's focus stands on, in board units: outside the
// ring of a receiving card, so both show at once.
QRectF FocusRingPath(const CardRecord& card) {
    constexpr qreal gap = 8;
    return QRectF(card.Left, card.Top, CardWidth, CardHeight).adjusted(-gap, -gap, gap, gap);
}

} // namespace

BoardView::BoardView(const GameState& state, const Cards& cardPics, QWidget* parent)
    : QWidget(parent), state_(state), cardPics_(cardPics) {
    setObjectName(QStringLiteral("Board"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallBoardAccessibility();
}

std::optional<int> BoardView::KeyboardHeld() const {
    return state_.Keys.Held;
}

void BoardView::SetPackPicture(std::optional<int> style) {
    packPicture_ = style;
    update();
}

void BoardView::SetFigVisible(bool visible) {
    figVisible_ = visible;
    update();
}

void BoardView::SetClickMeVisible(bool visible) {
    clickMeVisible_ = visible;
    update();
}

void BoardView::ClearDrawing() {
    drawing_.clear();
    update();
}

void BoardView::DrawRectangle(const QRectF& corners, QColor colour) {
    drawing_.push_back({corners, colour, penWidth_});
    update();
}

void BoardView::SetScale(double factor) {
    scale_ = BoardScale(factor);
    update();
}

void BoardView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // Everything below is drawn in board units.
    painter.scale(scale_.Factor(), scale_.Factor());
    PaintFixedPictures(painter);
    PaintCards(painter);
    PaintHint(painter);
    PaintKeyboardFocus(painter);
    for (const DrawnRectangle& line : drawing_) {
        painter.setPen(QPen(line.colour, line.width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(line.corners);
    }
}

void BoardView::PaintFixedPictures(QPainter& painter) const {
    const qreal ratio = DeviceRatioOf(painter);
    const BoardElements& e = state_.Elements;
    const auto paintBack = [&](const ElementBox& box, std::optional<int> style) {
        if (!style) {
            return;
        }
        const QPixmap back = cardPics_.BackOfStyle(
            *style, LogicalSizeOf(painter, QSizeF(box.Width, box.Height)), ratio);
        if (!back.isNull()) {
            shadows_.Paint(painter, BoxRect(box).topLeft(), CardLift::Resting);
            DrawOnDevicePixels(painter, BoxRect(box).topLeft(), back);
        }
    };
    if (clickMeVisible_) {
        paintBack(e.ClickME, packPicture_);
    }
    if (state_.Piles.Pack) {
        paintBack(e.PackBack, packPicture_);
    }
    if (state_.Piles.DiscardPile) {
        paintBack(e.DiscardDeck, packPicture_);
    }
    if (figVisible_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x80, 0x40, 0x00), 2));
        painter.setBrush(QColor(0xff, 0xd7, 0x40));
        painter.drawEllipse(BoxRect(e.Fig));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

void BoardView::PaintCards(QPainter& painter) const {
    const qreal ratio = DeviceRatioOf(painter);
    const QRectF visibleArea(QPointF(0, 0), scale_.UnitsOf(size()));
    for (const int index : state_.StackingOrder()) {
        if (index == CapturedCard()) {
            // The ring goes under the held cards, which were raised above every other card,
            // so that it never hides the letters the player is moving.
            PaintReceivingCard(painter);
        }
        const CardRecord& card = state_.Card(index);
        if (!card.Visible || card.Picture < 1) {
            continue;
        }
        const QRectF place(card.Left, card.Top, CardWidth, CardHeight);
        if (!place.intersects(visibleArea)) {
            continue;
        }
        shadows_.Paint(painter, place.topLeft(),
                       IsHeld(index) ? CardLift::Lifted : CardLift::Resting);
        // The face is drawn for the board's scale and the screen's pixels, one unit larger
        // than the card with that last row and column transparent: a plain copy at any size.
        DrawOnDevicePixels(painter, place.topLeft(),
                           cardPics_.Card(card.Picture, ratio, scale_.Factor()));
    }
}

// While a card is held, the card that would take it if it were let go now stands out with
// a ring: the board's text colour outside, so that it shows on any background, and the
// system's highlight inside.
void BoardView::PaintReceivingCard(QPainter& painter) const {
    const std::optional<int> held = CapturedCard();
    if (!held) {
        return;
    }
    const std::optional<int> receiving = ReceivingCard(state_, *held);
    if (!receiving) {
        return;
    }
    const CardRecord& card = state_.Card(*receiving);
    const QRectF place(card.Left, card.Top, CardWidth, CardHeight);
    constexpr qreal ringGap = 3;
    constexpr qreal radius = 7;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = place.adjusted(-ringGap, -ringGap, ringGap, ringGap);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 6));
    painter.drawRoundedRect(ring, radius, radius);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.drawRoundedRect(ring, radius, radius);
    painter.restore();
}

// A hint rings each of its cards where the card lies now, and numbers them in the order
// of the word on a badge across the card's top edge. The ring has an edge of the board's
// text colour, so that it shows also on a background as yellow as the ring itself.
void BoardView::PaintHint(QPainter& painter) const {
    constexpr qreal ringWidth = 4;
    constexpr qreal edgeWidth = 2;
    const QColor edge = palette().color(QPalette::WindowText);
    constexpr qreal badgeRadius = 11;
    const QColor ring(0xff, 0xc8, 0x00);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont badgeFont = font();
    badgeFont.setBold(true);
    painter.setFont(badgeFont);
    int place = 0;
    for (const int index : state_.HintedCards) {
        ++place;
        if (!state_.CardExists(index) || !state_.Card(index).Visible) {
            continue;
        }
        const CardRecord& card = state_.Card(index);
        const QRectF face(card.Left, card.Top, CardWidth, CardHeight);
        painter.setBrush(Qt::NoBrush);
        const QRectF ringPath =
            face.adjusted(-ringWidth / 2, -ringWidth / 2, ringWidth / 2, ringWidth / 2);
        painter.setPen(QPen(edge, ringWidth + 2 * edgeWidth));
        painter.drawRoundedRect(ringPath, 6, 6);
        painter.setPen(QPen(ring, ringWidth));
        painter.drawRoundedRect(ringPath, 6, 6);
        const QRectF badge(face.center().x() - badgeRadius, face.top() - badgeRadius,
                           2 * badgeRadius, 2 * badgeRadius);
        painter.setPen(QPen(QColor(0x80, 0x50, 0x00), 1));
        painter.setBrush(ring);
        painter.drawEllipse(badge);
        painter.setPen(Qt::black);
        painter.drawText(badge, Qt::AlignCenter, QString::number(place));
    }
    painter.restore();
}

// The keyboard's focus: a dashed line of the board's text colour over one of the
// highlight, so it shows on any background and differs from the rings of a drop or a hint.
void BoardView::PaintKeyboardFocus(QPainter& painter) const {
    const std::optional<int> focus = FocusedStop(state_);
    if (!focus) {
        return;
    }
    const QRectF path = FocusRingPath(state_.Card(*focus));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 4));
    painter.drawRoundedRect(path, 9, 9);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DashLine));
    painter.drawRoundedRect(path, 9, 9);
    painter.restore();
}

// The held card and, when it is a card of the word, the word's cards below it, which move
// with it.
bool BoardView::IsHeld(int index) const {
    const std::optional<int> held = CapturedCard();
    if (!held || !state_.Drag.Active) {
        return false;
    }
    if (index == *held) {
        return true;
    }
    const int heldAt = state_.WordCards.PositionOf(*held);
    return heldAt > 0 && state_.WordCards.PositionOf(index) > heldAt;
}

QPointF BoardView::InsideCard(int index, QPointF boardPoint) const {
    const CardRecord& card = state_.Card(index);
    return {boardPoint.x() - card.Left, boardPoint.y() - card.Top};
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    // A click on the board makes its window the active one, so the menu keys reach it
    // also where no window manager hands out the focus.
    if (!window()->isActiveWindow()) {
        window()->activateWindow();
    }
    if (CapturedCard()) {
        return; // a second button while dragging, or a press while a key carries a card
    }
    const QPointF at = scale_.ToUnits(event->position());
    const std::optional<int> index = state_.CardAt(at.x(), at.y());
    if (!index) {
        return;
    }
    captured_ = index;
    const QPointF inside = InsideCard(*index, at);
    emit CardMouseDown(*index, event->button(), inside.x(), inside.y());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (!captured_ || !state_.CardExists(*captured_)) {
        return;
    }
    const QPointF inside = InsideCard(*captured_, scale_.ToUnits(event->position()));
    emit CardMouseMove(*captured_, event->buttons(), inside.x(), inside.y());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (!captured_ || event->buttons() != Qt::NoButton) {
        return; // the card keeps the mouse until the last button goes up
    }
    const int index = *captured_;
    captured_.reset();
    if (!state_.CardExists(index)) {
        return;
    }
    const QPointF inside = InsideCard(index, scale_.ToUnits(event->position()));
    emit CardMouseUp(index, event->button(), inside.x(), inside.y());
}

bool IsModifierAlone(int key) {
    // A modifier pressed on its own (on the way to a menu's Alt key, say) is no key yet.
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    if (IsModifierAlone(event->key())) {
        return;
    }
    // The keypad is no part of a command's key: Enter there is Enter.
    emit KeyDown(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier,
                                 static_cast<Qt::Key>(event->key())));
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

} // namespace lexabit
