#include "board/table/ControlDescriptions.h"

#include "board/table/BoardControls.h"
#include "records/StatusPanels.h"
#include "ui/ClickableLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

namespace lexabit {

namespace {

// What each status panel tells, by its number.
constexpr std::array<const char*, StatusPanels::PanelCount> PanelDescriptions{
    "The points of the words accepted in this game.",
    "How many words this game has accepted.",
    "How long this game has been played, in hours and minutes.",
    "The cards not yet used: those in the pack and those on the table.",
    "The time left to lay the next word; on Very Easy there is none.",
};

void Describe(QWidget* widget, const QString& name, const QString& text, bool tooltip) {
    if (!name.isEmpty()) {
        widget->setAccessibleName(name);
    }
    widget->setAccessibleDescription(text);
    if (tooltip) {
        widget->setToolTip(text);
    }
}

} // namespace

void DescribeBoardControls(const BoardControls& c) {
    // The two labels keep their texts as their names: the word and its points themselves.
    Describe(c.WordLabel, {}, QStringLiteral("The word laid in the column."), false);
    Describe(c.PointsLabel, {}, QStringLiteral("The points of the word laid in the column."),
             false);
    Describe(c.WordList, QStringLiteral("Words found"),
             QStringLiteral("The words accepted in this game with their points, newest first."),
             false);
    Describe(c.ShuffleCards, QStringLiteral("Shuffle Surface"),
             QStringLiteral("Swaps the face-up cards about (F3)."), true);
    Describe(c.CheckWordButton, QStringLiteral("CheckWord"),
             QStringLiteral("Looks the word up in the word list and scores it when it is "
                            "there (Enter while Keyboard Play is on)."),
             true);
    for (int panel = 1; panel <= StatusPanels::PanelCount; ++panel) {
        auto* label = c.StatusBar->findChild<QLabel*>(QStringLiteral("Panel%1").arg(panel));
        if (label == nullptr) {
            continue;
        }
        // A panel's text says what it counts, so it stays the panel's name.
        Describe(label, {},
                 QString::fromLatin1(PanelDescriptions[static_cast<std::size_t>(panel - 1)]), true);
    }
}

} // namespace lexabit
