#include "board/WordCheckWindow.h"

#include "board/table/BoardView.h"
#include "records/StatusPanels.h"
#include "ui/ClickableLabel.h"
#include "ui/GameText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace lexabit {

void WordCheckWindow::ClearWordLabels() {
    controls_.WordLabel->clear();
    controls_.PointsLabel->clear();
}

void WordCheckWindow::ShowMessage(const std::string& text, const std::string& title) {
    QMessageBox::information(&window_, Text(title), Text(text));
}

void WordCheckWindow::InsertWordRowAtTop(const std::string& word) {
    auto* row = new QTreeWidgetItem(QStringList{Text(word)});
    controls_.WordList->insertTopLevelItem(0, row);
}

void WordCheckWindow::SetTopRowPoints(const std::string& points) {
    QTreeWidgetItem* top = controls_.WordList->topLevelItem(0);
    if (top != nullptr) {
        top->setText(1, Text(points));
    }
}

int WordCheckWindow::WordRowCount() const {
    return controls_.WordList->topLevelItemCount();
}

void WordCheckWindow::SetStatusPanel(int panel, const std::string& text) {
    controls_.StatusBar->SetPanelText(panel, Text(text));
}

void WordCheckWindow::ShowCardBackOnDiscardDeck() {
    board_.SetDiscardPicture(board_.PackPicture());
    board_.SetDiscardVisible(true);
}

void WordCheckWindow::SetControlVisible(BoardControl control, bool visible) {
    switch (control) {
    case BoardControl::PackBack:
        board_.SetPackVisible(visible);
        break;
    case BoardControl::DiscardDeck:
        board_.SetDiscardVisible(visible);
        break;
    case BoardControl::Fig:
        board_.SetFigVisible(visible);
        break;
    case BoardControl::CheckWordButton:
        controls_.CheckWordButton->setVisible(visible);
        break;
    case BoardControl::WordList:
        controls_.WordList->setVisible(visible);
        break;
    case BoardControl::ShuffleCards:
        controls_.ShuffleCards->setVisible(visible);
        break;
    }
}

void WordCheckWindow::GameEnded() {
    endOfGame_.GameEnded();
}

void WordCheckWindow::PlayGameOverAnimation() {
    endOfGame_.PlayGameOverAnimation();
}

void WordCheckWindow::ShowNameDialog() {
    endOfGame_.ShowNameDialog();
}

bool WordCheckWindow::WaitForEvents() {
    if (!endOfGame_.StillWaiting()) {
        return false;
    }
    // Sleeps until the next event arrives, so the wait for a name costs no processor time.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return endOfGame_.StillWaiting();
}

} // namespace lexabit
