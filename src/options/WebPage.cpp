#include "options/WebPage.h"

#include "game/model/Texts.h"
#include "ui/GameText.h"

#include <QDesktopServices>
#include <QUrl>

namespace lexabit {

void OpenWebPage(const QString& programFolder) {
    const auto page = product::WebPagePath(RulesText(programFolder));
    QDesktopServices::openUrl(QUrl::fromLocalFile(Text(page.string())));
}

} // namespace lexabit
