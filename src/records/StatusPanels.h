#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace lexabit {

// The board's status bar: five text panels, numbered from 1, left to right.
class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = 5;

    explicit StatusPanels(QWidget* parent = nullptr);

    // Writes panel n (1..5); an unchanged text is not written again.
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;

private:
    std::array<QLabel*, PanelCount> panels_{};
};

} // namespace lexabit
