#include "board/GameBoard.h"
#include "board/GameServices.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexabit Solitaire"));
    QApplication::setOrganizationName(QStringLiteral("Corvane Press"));

    lexabit::GameBoard board(lexabit::GameServices::ForThisProgram());
    board.show();
    return QApplication::exec();
}
