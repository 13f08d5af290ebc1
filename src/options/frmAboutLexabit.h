#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace lexabit {

class ClickableLabel;
class OptionsHost;

// The About window: name and version, publisher, how to get in touch, notices.
class frmAboutLexabit : public QWidget {
    Q_OBJECT

public:
    frmAboutLexabit(OptionsHost& host, QString programFolder, QWidget* parent = nullptr);

    void Form_Load();
    // Every label of the window, for colouring.
    QList<QLabel*> Labels() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OpenPage() const;

    OptionsHost& host_;
    QString programFolder_;
    QLabel* Picture1 = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* Label8 = nullptr;
    ClickableLabel* Label7 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdWeb = nullptr;
    QPushButton* cmdContact = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace lexabit
