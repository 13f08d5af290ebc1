#include "options/AboutWindow.h"

#include "game/model/Texts.h"
#include "options/WebPage.h"
#include "ui/ClickableLabel.h"
#include "ui/GameText.h"
#include "ui/OptionsHost.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexabit {

namespace {

// The name in the Elephant typeface where the machine has it, else in a bold serif.
QFont TitleFont() {
    QFont font(QFontDatabase::hasFamily(QStringLiteral("Elephant"))
                   ? QStringLiteral("Elephant")
                   : QStringLiteral("DejaVu Serif"),
               20, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

AboutWindow::AboutWindow(OptionsHost& host, QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("frmAboutLexabit"));
    setWindowTitle(QStringLiteral("About Lexabit Solitaire"));
    setAttribute(Qt::WA_DeleteOnClose);

    Logo = new QLabel(this);
    Logo->setObjectName(QStringLiteral("Picture1"));
    Logo->setPixmap(QIcon(QStringLiteral(":/art/logo.svg")).pixmap(QSize(120, 100)));
    NameAndVersion = new QLabel(Text(product::NameAndVersion), this);
    NameAndVersion->setObjectName(QStringLiteral("Label3"));
    NameAndVersion->setFont(TitleFont());
    PublisherLink = new ClickableLabel(Text(product::Publisher), this);
    PublisherLink->setObjectName(QStringLiteral("Label8"));
    WebSiteLink = new ClickableLabel(QStringLiteral("WebSite"), this);
    WebSiteLink->setObjectName(QStringLiteral("Label7"));
    for (ClickableLabel* link : {PublisherLink, WebSiteLink}) {
        link->setCursor(Qt::PointingHandCursor);
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        connect(link, &ClickableLabel::Clicked, this, &AboutWindow::OpenPage);
    }
    EmailPrompt = new QLabel(QStringLiteral("Send us an email at:"), this);
    EmailPrompt->setObjectName(QStringLiteral("Label1"));
    EmailAddress = new QLabel(Text(product::ContactEmail), this);
    EmailAddress->setObjectName(QStringLiteral("lblEmail"));
    EmailAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PublisherNotice = new QLabel(Text(product::PublisherNotice), this);
    PublisherNotice->setObjectName(QStringLiteral("Label2"));
    LegalNotice = new QLabel(Text(product::LegalNotice), this);
    LegalNotice->setObjectName(QStringLiteral("Label4"));
    for (QLabel* notice : {PublisherNotice, LegalNotice}) {
        notice->setWordWrap(true);
    }
    WebSiteButton = new QPushButton(QStringLiteral("Lexabit Solitaire WebSite"), this);
    WebSiteButton->setObjectName(QStringLiteral("cmdWeb"));
    ContactButton = new QPushButton(QStringLiteral("Contact Us"), this);
    ContactButton->setObjectName(QStringLiteral("cmdContact"));
    ExitButton = new QPushButton(QStringLiteral("Exit"), this);
    ExitButton->setObjectName(QStringLiteral("cmdExit"));
    connect(WebSiteButton, &QPushButton::clicked, this, &AboutWindow::OpenPage);
    connect(ContactButton, &QPushButton::clicked, this, &AboutWindow::OpenPage);
    connect(ExitButton, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Logo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(NameAndVersion, 0, 1, 1, 2);
    grid->addWidget(PublisherLink, 1, 1);
    grid->addWidget(WebSiteLink, 1, 2, Qt::AlignRight);
    grid->addWidget(EmailPrompt, 2, 1);
    grid->addWidget(EmailAddress, 2, 2);
    grid->addWidget(PublisherNotice, 3, 0, 1, 3);
    grid->addWidget(LegalNotice, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(WebSiteButton);
    buttons->addWidget(ContactButton);
    buttons->addStretch();
    buttons->addWidget(ExitButton);
    grid->addLayout(buttons, 5, 0, 1, 3);
    setMinimumWidth(520);
}

void AboutWindow::LoadOnOpen() {
    host_.LoadSettings();
}

QList<QLabel*> AboutWindow::Labels() const {
    return {Logo,        NameAndVersion, PublisherLink,   WebSiteLink,
            EmailPrompt, EmailAddress,   PublisherNotice, LegalNotice};
}

void AboutWindow::OpenPage() const {
    OpenWebPage(programFolder_);
}

// Escape closes the window, as its Exit button does.
void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lexabit
