#pragma once

#include "records/EndOfGameFacts.h"

#include <QWidget>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lexabit {

class Highscore;
class OptionsHost;

// The name dialog shown when a game ends: it takes the player's name, records the
// result as it stood when the game ended in the high-score table and starts a new game. After a
// confirmed name it is hidden, not destroyed, so it offers the same name next time; closing it
// through its frame destroys it and records nothing.
class NameDialog : public QWidget {
    Q_OBJECT

public:
    NameDialog(Highscore& scores, OptionsHost& host, EndOfGameFactsSource facts,
               QWidget* parent = nullptr);

    // Call once the window's pointer is stored: reading the settings colours this window.
    void LoadOnOpen();

    void AcceptName();
    // The Enter key confirms the name; the answer says whether the key was taken.
    bool NameText_KeyDown(int key);

signals:
    // The player confirmed a name (the result is recorded, the new game not yet begun),
    // or closed the dialog without one.
    void Answered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConfirmName(const QString& emptyNameTitle);
    void RecordResult(const std::string& name);
    void KeepNameOnOneLine();

    Highscore& scores_;
    OptionsHost& host_;
    EndOfGameFactsSource facts_;
    QFrame* NameFrame = nullptr;
    QLabel* NameLabel = nullptr;
    QLineEdit* NameText = nullptr;
    QPushButton* OkButton = nullptr;
};

} // namespace lexabit
