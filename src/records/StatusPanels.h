#pragma once

#include <QFont>
#include <QStatusBar>
#include <array>

class QLabel;

namespace lexabit {

class HintNoticeLabel;

// The board's status bar: five text panels, numbered from 1, left to right, and after
// them a notice of what hints cost, shown only while it has something to say.
class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = 5;

    explicit StatusPanels(QWidget* parent = nullptr);

    // Writes panel n (1..5); an unchanged text is not written again.
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;

    // Writes the notice of what hints cost, and the brief form shown where the whole does not
    // fit; an empty text hides it.
    void SetHintNotice(const QString& text, const QString& brief);

    // Grows or shrinks the text and the panels' design widths with the board.
    void SetScale(double scale);
    // The height that shows the panels' text whole in the present font, and in the design's.
    int NeededHeight() const;
    int DesignHeight() const { return designHeight_; }

private:
    void FitPanel(std::size_t panel);

    double scale_ = 1.0;
    int marginsHeight_ = 0; // what the bar adds around a panel
    int designHeight_ = 0;
    QFont designFont_;
    std::array<QLabel*, PanelCount> panels_{};
    HintNoticeLabel* hintNotice_ = nullptr;
};

} // namespace lexabit
