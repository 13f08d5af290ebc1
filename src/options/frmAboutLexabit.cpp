#include "options/frmAboutLexabit.h"

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

frmAboutLexabit::frmAboutLexabit(OptionsHost& host, QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("frmAboutLexabit"));
    setWindowTitle(QStringLiteral("About Lexabit Solitaire"));
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QIcon(QStringLiteral(":/art/logo.svg")).pixmap(QSize(120, 100)));
    Label3 = new QLabel(Text(product::NameAndVersion), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(TitleFont());
    Label8 = new ClickableLabel(Text(product::Publisher), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label7 = new ClickableLabel(QStringLiteral("WebSite"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    for (ClickableLabel* link : {Label8, Label7}) {
        link->setCursor(Qt::PointingHandCursor);
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        connect(link, &ClickableLabel::Clicked, this, &frmAboutLexabit::OpenPage);
    }
    Label1 = new QLabel(QStringLiteral("Send us an email at:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblEmail = new QLabel(Text(product::ContactEmail), this);
    lblEmail->setObjectName(QStringLiteral("lblEmail"));
    lblEmail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label2 = new QLabel(Text(product::PublisherNotice), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label4 = new QLabel(Text(product::LegalNotice), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    for (QLabel* notice : {Label2, Label4}) {
        notice->setWordWrap(true);
    }
    cmdWeb = new QPushButton(QStringLiteral("Lexabit Solitaire WebSite"), this);
    cmdWeb->setObjectName(QStringLiteral("cmdWeb"));
    cmdContact = new QPushButton(QStringLiteral("Contact Us"), this);
    cmdContact->setObjectName(QStringLiteral("cmdContact"));
    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdWeb, &QPushButton::clicked, this, &frmAboutLexabit::OpenPage);
    connect(cmdContact, &QPushButton::clicked, this, &frmAboutLexabit::OpenPage);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Picture1, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(Label3, 0, 1, 1, 2);
    grid->addWidget(Label8, 1, 1);
    grid->addWidget(Label7, 1, 2, Qt::AlignRight);
    grid->addWidget(Label1, 2, 1);
    grid->addWidget(lblEmail, 2, 2);
    grid->addWidget(Label2, 3, 0, 1, 3);
    grid->addWidget(Label4, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWeb);
    buttons->addWidget(cmdContact);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    grid->addLayout(buttons, 5, 0, 1, 3);
    setMinimumWidth(520);
}

void frmAboutLexabit::Form_Load() {
    host_.LoadSettings();
}

QList<QLabel*> frmAboutLexabit::Labels() const {
    return {Picture1, Label3, Label8, Label7, Label1, lblEmail, Label2, Label4};
}

void frmAboutLexabit::OpenPage() const {
    OpenWebPage(programFolder_);
}

// Escape closes the window, as its Exit button does.
void frmAboutLexabit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lexabit
