#include "records/StatusPanels.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lexabit {

namespace {
// Design widths of the panels in pixels.
constexpr std::array<int, StatusPanels::PanelCount> PanelWidths = {100, 126, 130, 191, 196};

const QString HintRule = QStringLiteral(
    "On Easy and Hard a hint costs the points of the word it shows, once for the same word on "
    "the same cards, taken off the score when your next word is accepted.");

} // namespace

// A notice that takes the room the five panels leave: where that is too little for its
// text, as on a small screen, it shows its brief form or the last word of that, and its
// tooltip tells it whole.
class HintNoticeLabel final : public QLabel {
public:
    explicit HintNoticeLabel(QWidget* parent) : QLabel(parent) {}

    void SetTexts(const QString& full, const QString& brief) {
        brief_ = brief;
        setText(full);
        setToolTip(full.isEmpty() ? HintRule : full + QStringLiteral("\n") + HintRule);
        setVisible(!full.isEmpty());
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect().adjusted(margin(), 0, -margin(), 0);
        // The whole text, else the brief one, else the brief one's last word.
        QString shown = text();
        for (const QString& shorter : {brief_, brief_.section(u' ', -1)}) {
            if (fontMetrics().horizontalAdvance(shown) > room.width()) {
                shown = shorter;
            }
        }
        painter.drawText(room, static_cast<int>(alignment()),
                         fontMetrics().elidedText(shown, Qt::ElideRight, room.width()));
    }

private:
    QString brief_;
};

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
    designFont_ = font();
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setMinimumWidth(PanelWidths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel);
        panels_[i] = panel;
    }
    hintNotice_ = new HintNoticeLabel(this);
    hintNotice_->setObjectName(QStringLiteral("HintNotice"));
    hintNotice_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hintNotice_->setTextFormat(Qt::PlainText);
    hintNotice_->setToolTip(HintRule);
    hintNotice_->hide();
    addWidget(hintNotice_, 1);
    designHeight_ = sizeHint().height();
    marginsHeight_ = std::max(0, designHeight_ - panels_[0]->sizeHint().height());
}

int StatusPanels::NeededHeight() const {
    return panels_[0]->sizeHint().height() + marginsHeight_;
}

void StatusPanels::SetHintNotice(const QString& text, const QString& brief) {
    hintNotice_->SetTexts(text, brief);
}

void StatusPanels::SetPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > PanelCount) {
        return;
    }
    const auto at = static_cast<std::size_t>(panel - 1);
    QLabel* label = panels_[at];
    if (label->text() != text) {
        label->setText(text);
        // A panel is never cut: it grows past its design width where its text needs it.
        FitPanel(at);
    }
}

void StatusPanels::FitPanel(std::size_t panel) {
    QLabel* label = panels_[panel];
    // A label's size hint is never below its minimum: the text is measured without one.
    label->setMinimumWidth(0);
    const auto design = static_cast<int>(std::lround(PanelWidths[panel] * scale_));
    label->setMinimumWidth(std::max(design, label->sizeHint().width()));
}

void StatusPanels::SetScale(double scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    QFont scaled = designFont_;
    if (scaled.pointSizeF() > 0) {
        scaled.setPointSizeF(designFont_.pointSizeF() * scale);
    } else {
        scaled.setPixelSize(
            std::max(1, static_cast<int>(std::lround(designFont_.pixelSize() * scale))));
    }
    setFont(scaled);
    for (std::size_t at = 0; at < panels_.size(); ++at) {
        FitPanel(at);
    }
}

QString StatusPanels::PanelText(int panel) const {
    if (panel < 1 || panel > PanelCount) {
        return {};
    }
    return panels_[static_cast<std::size_t>(panel - 1)]->text();
}

} // namespace lexabit
