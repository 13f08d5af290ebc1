#pragma once

#include <QString>

namespace lexabit {

// What the options windows ask of the main window.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // Reads the settings file again and applies it to the game and its windows.
    virtual void LoadSettings() = 0;
    virtual void NewGame_Click() = 0;
    virtual void SetPanelText(int panel, const QString& text) = 0;

protected:
    OptionsHost() = default;
    OptionsHost(const OptionsHost&) = default;
    OptionsHost& operator=(const OptionsHost&) = default;
};

} // namespace lexabit
