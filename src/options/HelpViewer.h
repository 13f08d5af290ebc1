#pragma once

#include <QWidget>

class QKeyEvent;
class QTextBrowser;

namespace lexabit {

// The game's own help viewer: the help file in a text browser, opened at its first topic.
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
