#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace lexabit {

class ClickableLabel;
class OptionsHost;

// The About window: name and version, publisher, how to get in touch, notices.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    AboutWindow(OptionsHost& host, QString programFolder, QWidget* parent = nullptr);

    void LoadOnOpen();
    // Every label of the window, for colouring.
    QList<QLabel*> Labels() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OpenPage() const;

    OptionsHost& host_;
    QString programFolder_;
    QLabel* Logo = nullptr;
    QLabel* NameAndVersion = nullptr;
    ClickableLabel* PublisherLink = nullptr;
    ClickableLabel* WebSiteLink = nullptr;
    QLabel* EmailPrompt = nullptr;
    QLabel* EmailAddress = nullptr;
    QLabel* PublisherNotice = nullptr;
    QLabel* LegalNotice = nullptr;
    QPushButton* WebSiteButton = nullptr;
    QPushButton* ContactButton = nullptr;
    QPushButton* ExitButton = nullptr;
};

} // namespace lexabit
