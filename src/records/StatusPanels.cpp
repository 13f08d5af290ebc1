#include "records/StatusPanels.h"

#include <QLabel>

namespace lexabit {

namespace {
// Design widths of the panels in pixels.
constexpr std::array<int, StatusPanels::PanelCount> PanelWidths = {100, 126, 130, 191, 196};
} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
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
    hintNotice_->hide();
    addWidget(hintNotice_, 1);
}

void StatusPanels::SetHintNotice(const QString& text) {
    hintNotice_->setText(text);
    hintNotice_->setVisible(!text.isEmpty());
}

void StatusPanels::SetPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > PanelCount) {
        return;
    }
    QLabel* label = panels_[static_cast<std::size_t>(panel - 1)];
    if (label->text() != text) {
        label->setText(text);
    }
}

QString StatusPanels::PanelText(int panel) const {
    if (panel < 1 || panel > PanelCount) {
        return {};
    }
    return panels_[static_cast<std::size_t>(panel - 1)]->text();
}

} // namespace lexabit
