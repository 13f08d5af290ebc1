#pragma once

#include "board/table/BoardScale.h"
#include "board/table/CardPainting.h"

#include <QColor>
#include <QRectF>
#include <QWidget>
#include <optional>
#include <vector>

namespace lexabit {

// Whether a key is a modifier pressed on its own, which is no key yet.
bool IsModifierAlone(int key);

class Cards;
class GameState;

// The board: one custom-painted surface that draws the fixed pictures and every
// card from the model in stacking order, and turns the mouse into card events on
// the topmost visible card under the pointer.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(const GameState& state, const Cards& cardPics, QWidget* parent = nullptr);

    // The card back shown on the pack and the discard pile, as a style number; no value
    // shows no picture. Whether each pile shows is the game's to say.
    void SetPackPicture(std::optional<int> style);
    std::optional<int> PackPicture() const { return packPicture_; }
    std::optional<int> DiscardPicture() const { return packPicture_; }
    void SetFigVisible(bool visible);
    bool FigVisible() const { return figVisible_; }
    void SetClickMeVisible(bool visible);
    bool ClickMeVisible() const { return clickMeVisible_; }

    // Lines drawn on the surface itself (the border around a gathering target).
    void ClearDrawing();
    void SetPenWidth(int width) { penWidth_ = width; }
    void DrawRectangle(const QRectF& corners, QColor colour);

    // The board's units are shown at this scale; the mouse is read back in units.
    void SetScale(double factor);
    const BoardScale& Scale() const { return scale_; }

    // The card held by the mouse, or carried by the keyboard, if any.
    std::optional<int> CapturedCard() const { return captured_ ? captured_ : KeyboardHeld(); }
    // The game the board shows, for those who describe it.
    const GameState& Game() const { return state_; }
    // Lets go of the card whose press is followed: the release that comes later is no drop.
    void ForgetCapturedCard() { captured_.reset(); }

signals:
    void CardMouseDown(int index, Qt::MouseButton button, double x, double y);
    void CardMouseMove(int index, Qt::MouseButtons buttons, double x, double y);
    void CardMouseUp(int index, Qt::MouseButton button, double x, double y);
    void KeyDown(QKeyCombination key);
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct DrawnRectangle {
        QRectF corners;
        QColor colour;
        int width = 1;
    };

    QPointF InsideCard(int index, QPointF boardPoint) const;
    void PaintFixedPictures(QPainter& painter) const;
    void PaintCards(QPainter& painter) const;
    void PaintReceivingCard(QPainter& painter) const;
    void PaintHint(QPainter& painter) const;
    void PaintKeyboardFocus(QPainter& painter) const;
    std::optional<int> KeyboardHeld() const;
    bool IsHeld(int index) const;

    const GameState& state_;
    const Cards& cardPics_;
    std::optional<int> packPicture_;
    bool figVisible_ = false;
    bool clickMeVisible_ = false;
    int penWidth_ = 1;
    std::vector<DrawnRectangle> drawing_;
    std::optional<int> captured_;
    BoardScale scale_;
    CardShadows shadows_;
};

} // namespace lexabit
