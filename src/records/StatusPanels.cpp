#include "records/StatusPanels.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

namespace lexabit {

namespace {
// Design widths of the panels in pixels.
constexpr std::array<int, StatusPanels::PanelCount> PanelWidths = {100, 126, 130, 191, 196};
} // namespace

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
    hintNotice_ = new QLabel(this);
    hintNotice_->setObjectName(QStringLiteral("HintNotice"));
    hintNotice_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hintNotice_->setTextFormat(Qt::PlainText);
    hintNotice_->setToolTip(QStringLiteral(
        "On Easy and Hard a hint costs the points of the word it shows, once for the same "
        "word on the same cards, taken off the score when your next word is accepted."));
    hintNotice_->hide();
    addWidget(hintNotice_, 1);
    designHeight_ = sizeHint().height();
    marginsHeight_ = std::max(0, designHeight_ - panels_[0]->sizeHint().height());
}

int StatusPanels::NeededHeight() const {
    return panels_[0]->sizeHint().height() + marginsHeight_;
}

void StatusPanels::SetHintNotice(const QString& text) {
    hintNotice_->setText(text);
    hintNotice_->setVisible(!text.isEmpty());
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
