#include "ui/ClickableLabel.h"

#include <QMouseEvent>

namespace lexabit {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}

} // namespace lexabit
