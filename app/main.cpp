#include "board/window/GameBoard.h"
#include "board/window/GameServices.h"
#include "board/window/ProgramIcon.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexabit Solitaire"));
    QApplication::setOrganizationName(QStringLiteral("Corvane Press"));
    // Ties the windows to the installed menu entry, so desktops show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LEXABIT_APP_ID));
    QApplication::setWindowIcon(lexabit::ProgramIcon());

    lexabit::GameBoard board(lexabit::GameServices::ForThisProgram());
    board.show();
    return QApplication::exec();
}
