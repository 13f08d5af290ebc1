#include "board/window/CardOptions.h"

#include "board/table/Cards.h"
#include "ui/OptionsHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lexabit {

CardOptions::CardOptions(Cards& cardPics, int& pickedStyle, OptionsHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), cardPics_(cardPics), PickedStyle(pickedStyle), host_(host) {
    setObjectName(QStringLiteral("CardOptions"));
    setWindowTitle(QStringLiteral("Lexabit Solitaire Card Options"));
    setAttribute(Qt::WA_DeleteOnClose);

    StyleFrame = new QGroupBox(QStringLiteral("Select your card style here:"), this);
    StyleFrame->setObjectName(QStringLiteral("Frame1"));
    StyleList = new QComboBox(StyleFrame);
    StyleList->setObjectName(QStringLiteral("CardList"));
    BackPreview = new QLabel(StyleFrame);
    BackPreview->setObjectName(QStringLiteral("TestCard"));
    BackPreview->setFixedSize(130, 168);
    BackPreview->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QHBoxLayout(StyleFrame);
    frameLayout->addWidget(StyleList, 0, Qt::AlignTop);
    frameLayout->addWidget(BackPreview);
    ReserveRoomForCaptions();

    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("Ok"));
    ApplyButton = new QPushButton(QStringLiteral("Apply"), this);
    ApplyButton->setObjectName(QStringLiteral("Apply"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(ApplyButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StyleFrame);
    layout->addLayout(buttons);

    connect(StyleList, &QComboBox::activated, this, &CardOptions::CardList_Click);
    connect(OkButton, &QPushButton::clicked, this, &CardOptions::Ok_Click);
    connect(ApplyButton, &QPushButton::clicked, this, &CardOptions::Apply_Click);
    connect(CancelButton, &QPushButton::clicked, this, &CardOptions::Cancel_Click);
}

// The frame is wide enough for the longest caption Apply may give it, so the window keeps
// its width whichever style is applied.
void CardOptions::ReserveRoomForCaptions() {
    const QString openingCaption = StyleFrame->title();
    int widest = StyleFrame->minimumSizeHint().width();
    for (int style = 0; style < Cards::StyleCount; ++style) {
        StyleFrame->setTitle(ThankYouCaption(style));
        widest = std::max(widest, StyleFrame->minimumSizeHint().width());
    }
    StyleFrame->setTitle(openingCaption);
    StyleFrame->setMinimumWidth(widest);
}

void CardOptions::LoadOnOpen() {
    host_.LoadSettings();
    for (int style = 0; style < Cards::StyleCount; ++style) {
        StyleList->addItem(Cards::StyleName(style));
    }
    StyleList->setCurrentIndex(-1);
    PreviewPackBack();
}

void CardOptions::PreviewPackBack() {
    ShowTestCard(host_.PackBack());
}

void CardOptions::ShowTestCard(std::optional<int> style) {
    testCardPicture_ = style;
    BackPreview->setPixmap(style ? cardPics_.BackOfStyle(*style, devicePixelRatioF()) : QPixmap());
}

void CardOptions::CardList_Click(int position) {
    PickedStyle = position;
    cardPics_.SetCardStyle(PickedStyle);
    ShowTestCard(cardPics_.Style());
}

void CardOptions::Ok_Click() {
    host_.ChooseCardStyle(static_cast<std::int16_t>(PickedStyle));
    host_.ShowBackOnPiles(testCardPicture_);
    close();
}

void CardOptions::Apply_Click() {
    host_.ChooseCardStyle(static_cast<std::int16_t>(PickedStyle));
    StyleFrame->setTitle(ThankYouCaption(PickedStyle));
}

void CardOptions::Cancel_Click() {
    close();
}

// As in any dialog: Enter presses Ok, Escape presses Cancel.
void CardOptions::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OkButton->click();
        break;
    case Qt::Key_Escape:
        CancelButton->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

QString CardOptions::ThankYouCaption(int style) {
    return QStringLiteral("Thank You.  You selected the %1 card back style.")
        .arg(Cards::StyleName(style));
}

} // namespace lexabit
