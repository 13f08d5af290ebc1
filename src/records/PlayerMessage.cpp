#include "records/PlayerMessage.h"

#include <QMessageBox>

namespace lexabit {

void ShowPlayerMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace lexabit
