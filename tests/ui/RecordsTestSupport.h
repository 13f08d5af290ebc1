#pragma once

#include "options/OptionsHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace lexabit::uitest {

// The main window as the records windows see it: it only counts what they ask of it.
class FakeOptionsHost final : public OptionsHost {
public:
    void LoadSettings() override { ++settingsLoads; }
    void NewGame_Click() override {
        ++newGames;
        if (onNewGame) {
            onNewGame();
        }
    }
    void SetPanelText(int, const QString&) override {}
    std::int16_t NextGameLevel() const override { return level; }
    void ChooseLevel(std::int16_t chosen) override { level = chosen; }
    void ChooseCardStyle(std::int16_t) override {}
    bool AcceptsGameCommands() const override { return true; }

    std::int16_t level = 2;
    int settingsLoads = 0;
    int newGames = 0;
    std::function<void()> onNewGame;
};

// Answers the next message box: reads its title, text and buttons, then presses OK.
// Arm it before the action that may show a box; Finish() after the action lets it look
// even when no box came, so that it cannot answer a later one.
class MessageBoxReader {
public:
    explicit MessageBoxReader(std::function<void()> whileShown = {})
        : whileShown_(std::move(whileShown)) {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Read(); });
        timer_.start();
    }

    void Finish() {
        if (timer_.isActive()) {
            timer_.stop();
            Read();
        }
    }

    bool seen = false;
    QString title;
    QString text;
    int buttonCount = 0;

private:
    void Read() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = true;
        title = box->windowTitle();
        text = box->text();
        buttonCount = static_cast<int>(box->buttons().size());
        if (whileShown_) {
            whileShown_();
        }
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->done(0);
        }
    }

    std::function<void()> whileShown_;
    QTimer timer_;
};

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace lexabit::uitest
