#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace lexabit {

// A message to the player about a printing: a box with an OK button.
struct PrintMessage {
    QString Title;
    QString Text;
    // A page that could not be printed or saved, rather than news of where it went.
    bool IsProblem = false;
};

// Where printing meets the system: the default printer, the folder for the page when
// there is no printer, and the message boxes. Tests put their own in.
struct PrintOutlets {
    // The default printer set up for the page, or nothing when the system has none.
    std::function<std::unique_ptr<QPrinter>()> DefaultPrinter;
    // The player's documents folder, else the home folder.
    std::function<QString()> DocumentsFolder;
    std::function<void(const PrintMessage&)> ShowMessage;

    // The system's default printer at its high resolution, the documents folder and
    // message boxes over the window.
    static PrintOutlets OfThisSystem(QWidget& window);
};

} // namespace lexabit
