#pragma once

#include <QWidget>

class QPushButton;
class QComboBox;
class QTreeWidget;

namespace lexabit {

class Highscore;
class OptionsHost;

// The high-score window: the table of the best results, best first, in a light
// yellow list. Its Ok hides it; closing it through its frame destroys it.
class HighScoreForm : public QWidget {
    Q_OBJECT

public:
    HighScoreForm(Highscore& scores, OptionsHost& host, QWidget* parent = nullptr);

    // Call once the window's pointer is stored: reading the settings colours this
    // window; the list then shows the table as last loaded.
    void LoadOnOpen();

    // View Highscore: reloads the table from its file and shows the window, not modal.
    // A file that cannot be read is reported to the player.
    void ShowScores();

    // Shows the table as last loaded or recorded, in the table's own order: every result, or
    // those of the level chosen below the list.
    void FillList();

    void PutAway();

private:
    void BuildList();

    Highscore& scores_;
    OptionsHost& host_;
    QTreeWidget* HighScoreList = nullptr;
    QPushButton* OkButton = nullptr;
    // Every level, or the results of one: a view only, the file keeps them all.
    QComboBox* LevelShown = nullptr;
};

} // namespace lexabit
