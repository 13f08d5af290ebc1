#include "options/HelpViewer.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lexabit {

namespace {

// Far more than any help text needs.
constexpr qint64 MaxHelpFileBytes = qint64{1} << 20;

} // namespace

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

// Escape puts the help away, as in the other windows of the game.
void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool HelpViewer::Open(const QString& helpFile) {
    // Only an ordinary file of a sensible size: a named pipe would freeze the window and
    // a device such as /dev/zero would never end.
    const QFileInfo file(helpFile);
    if (!file.isFile() || !file.isReadable() || file.size() > MaxHelpFileBytes) {
        return false;
    }
    // The help file is HTML whatever its name ends with.
    browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    browser_->scrollToAnchor(QStringLiteral("contents"));
    return true;
}

} // namespace lexabit
