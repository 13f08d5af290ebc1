#pragma once

#include <QLabel>

namespace lexabit {

// A label that reports a click, like the "Shuffle Surface" caption under the pack.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lexabit
