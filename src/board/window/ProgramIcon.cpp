#include "board/window/ProgramIcon.h"

#include <QDir>

namespace lexabit {

QIcon ProgramIcon() {
    // PNG pictures need no image plugin, so the icon shows wherever the program runs.
    const QDir pictures(QStringLiteral(":/desktop/icons"));
    QIcon icon;
    for (const QString& name : pictures.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        icon.addFile(pictures.filePath(name));
    }
    return icon;
}

} // namespace lexabit
