#pragma once

#include <QWidget>

class QKeyEvent;
class QTextBrowser;

namespace lexabit {

// The game's own help viewer: the help file in a text browser, opened at its first topic.
// The help file and everything it shows or links to (pictures, other pages) are read only
// from ordinary files of a sensible size: a named pipe would freeze the window and a device
// such as /dev/zero would never end.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the help file from its opening topic; false when it cannot be read.
    bool Open(const QString& helpFile);
    QTextBrowser& Browser() { return *browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_ = nullptr;
};

} // namespace lexabit
