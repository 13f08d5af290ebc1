#pragma once

#include "ui/OptionsHost.h"

#include <QFile>
#include <functional>

namespace lexabit::uitest {

// The main window as the records windows see it: it only records what they ask of it.
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
    std::optional<int> PackBack() const override { return std::nullopt; }
    void ShowBackOnPiles(std::optional<int>) override {}
    void EnterPlayerName(const QString& name) override { playerName = name; }
    bool AcceptsGameCommands() const override { return true; }

    std::int16_t level = 2;
    QString playerName;
    int settingsLoads = 0;
    int newGames = 0;
    std::function<void()> onNewGame;
};

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace lexabit::uitest
