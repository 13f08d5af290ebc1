#include "options/HelpViewer.h"

#include "game/files/FileRead.h"

#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

namespace lexabit {

namespace {

// Far more than any help text or picture needs.
constexpr std::size_t MaxHelpFileBytes = std::size_t{1} << 20;

// The bytes of a local file the help shows; nothing for anything else.
std::optional<QByteArray> ReadHelpResource(const QUrl& url) {
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const FileBytes read =
        ReadFileStart(QFile::encodeName(url.toLocalFile()).toStdString(), MaxHelpFileBytes);
    if (read.Result != FileBytes::Status::Read || read.CutShort) {
        return std::nullopt;
    }
    return QByteArray::fromStdString(read.Bytes);
}

// A text browser that reads the help's pages and pictures only as the help file itself is read.
class HelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int /*type*/, const QUrl& name) override {
        const std::optional<QByteArray> bytes =
            ReadHelpResource(name.isRelative() ? source().resolved(name) : name);
        // Refused, the answer is empty rather than missing: for a missing one the document
        // would read the file itself.
        return bytes ? *bytes : QByteArray("");
    }
};

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TheHelp"));
    setWindowTitle(QStringLiteral("Lexabit Solitaire Help"));
    browser_ = new HelpBrowser(this);
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
    const QUrl file = QUrl::fromLocalFile(helpFile);
    if (!ReadHelpResource(file)) {
        return false;
    }
    // The help file is HTML whatever its name ends with.
    browser_->setSource(file, QTextDocument::HtmlResource);
    browser_->scrollToAnchor(QStringLiteral("contents"));
    return true;
}

} // namespace lexabit
