#pragma once

#include "game/files/StatisticsFile.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace lexabit {

// The statistics of every level, a column each, read from their file each time the window
// is shown; "Reset" starts them again once the player has confirmed it.
class StatisticsWindow : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsWindow(StatisticsFile file, QWidget* parent = nullptr);

    // Reads the file and fills the table, telling the player when the file could not be used.
    void ShowStatistics();
    void Fill(const GameStatistics& statistics);

private:
    void AskToReset();

    StatisticsFile file_;
    QTableWidget* StatisticsTable = nullptr;
    QPushButton* ResetButton = nullptr;
    QPushButton* OkButton = nullptr;
};

} // namespace lexabit
