#include "options/WebPage.h"

#include "game/model/Texts.h"

#include <QDesktopServices>
#include <QUrl>

namespace lexabit {

void OpenWebPage(const QString& programFolder) {
    const auto page = product::WebPagePath(programFolder.toStdString());
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
}

} // namespace lexabit
