#include "board/PauseCover.h"

#include <QKeyEvent>
#include <QPainter>

namespace lexabit {

PauseCover::PauseCover(QWidget& board) : QWidget(&board) {
    setObjectName(QStringLiteral("PauseCover"));
    setAutoFillBackground(true); // in the board's own colour, which it inherits
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Paused"));
    hide();
}

void PauseCover::Cover(int statusBarHeight) {
    const QWidget& board = *parentWidget();
    setGeometry(0, 0, board.width(), std::max(0, board.height() - statusBarHeight));
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void PauseCover::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Paused"));
}

void PauseCover::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit ResumeAsked();
}

void PauseCover::keyPressEvent(QKeyEvent* event) {
    // A modifier on its own is no key yet; the Pause key reaches the Pause command instead.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return;
    default:
        event->accept();
        emit ResumeAsked();
    }
}

} // namespace lexabit
