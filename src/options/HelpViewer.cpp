#include "options/HelpViewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lexabit {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TheHelp"));
    setWindowTitle(QStringLiteral("Lexabit Solitaire Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 720);
}

bool HelpViewer::Open(const QString& helpFile) {
    if (!QFileInfo(helpFile).isReadable()) {
        return false;
    }
    // The help file is HTML whatever its name ends with.
    browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    browser_->scrollToAnchor(QStringLiteral("contents"));
    return true;
}

} // namespace lexabit
