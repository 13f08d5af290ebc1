#include "board/table/PauseCover.h"

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
    painter.setPen(palette().color(QPalette::WindowText));
    const QFont plain = painter.font();
    QFont large = plain;
    large.setPointSize(28);
    large.setBold(true);
    const int lineHeight = QFontMetrics(large).height();
    QRect upper = rect();
    upper.setBottom(rect().center().y());
    painter.setFont(large);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Paused"));
    const QRect lower = upper.translated(0, upper.height()).adjusted(0, lineHeight / 3, 0, 0);
    painter.setFont(plain);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Press any key or click to go on"));
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
