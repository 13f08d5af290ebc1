#pragma once

#include "game/play/WordCheck.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lexabit::testing {

// The main window as the word check sees it: labels, word list, status bar and the
// board's controls kept as plain values, and every call written to a log in order.
class FakeWordCheckView final : public WordCheckView {
public:
    struct Row {
        std::string word;
        std::string points;
    };

    void ClearWordLabels() override { log.push_back("clear labels"); }
    void ShowMessage(const std::string& text, const std::string& title) override {
        log.push_back("message " + title + ": " + text);
    }
    void InsertWordRowAtTop(const std::string& word) override {
        rows.insert(rows.begin(), Row{word, ""});
        log.push_back("row " + word);
    }
    void SetTopRowPoints(const std::string& points) override {
        rows.at(0).points = points;
        log.push_back("row points" + points);
    }
    int WordRowCount() const override { return static_cast<int>(rows.size()); }
    void SetStatusPanel(int panel, const std::string& text) override {
        panels[panel] = text;
        log.push_back("panel " + std::to_string(panel) + " " + text);
    }
    void ShowCardBackOnDiscardDeck() override {
        visible[BoardControl::DiscardDeck] = true;
        log.push_back("card back on DiscardDeck");
    }
    void SetControlVisible(BoardControl control, bool show) override {
        static const char* const names[] = {"PackBack", "DiscardDeck", "CheckWordButton",
                                            "WordList", "Fig",         "ShuffleCards"};
        visible[control] = show;
        log.push_back((show ? "show " : "hide ") + std::string(names[static_cast<int>(control)]));
    }
    void PlayGameOverAnimation() override {
        log.push_back("animation");
        onAnimation();
    }
    void GameEnded() override { log.push_back("game ended"); }
    void ShowNameDialog() override { log.push_back("name dialog"); }
    bool WaitForEvents() override {
        ++waits;
        log.push_back("wait");
        return onWait();
    }

    bool IsVisible(BoardControl control) const {
        const auto found = visible.find(control);
        return found == visible.end() || found->second;
    }

    std::vector<Row> rows;
    std::map<int, std::string> panels;
    std::map<BoardControl, bool> visible;
    std::vector<std::string> log;
    int waits = 0;
    // What happens on the window's side while the game-over show runs or the word check
    // waits for a name; a wait answers false once the program is closing.
    std::function<void()> onAnimation = [] {};
    std::function<bool()> onWait = [] { return false; };
};

} // namespace lexabit::testing
