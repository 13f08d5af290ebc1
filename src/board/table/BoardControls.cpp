#include "board/table/BoardControls.h"

#include "board/table/BoardView.h"
#include "board/table/ControlDescriptions.h"
#include "game/model/GameState.h"
#include "game/model/Texts.h"
#include "records/StatusPanels.h"
#include "ui/ClickableLabel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVariant>
#include <cmath>

namespace lexabit {

namespace {

constexpr int WordColumnWidth = 90;

QFont LabelFont(int points) {
    QFont font(QStringLiteral("Arial"), points, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QLabel* WordDisplayLabel(BoardView& board, const char* name, int points) {
    auto* label = new QLabel(&board);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(LabelFont(points));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    // Cards glide and are dropped under the word display.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QTreeWidget* CreateWordList(BoardView& board) {
    auto* list = new QTreeWidget(&board);
    list->setObjectName(QStringLiteral("WordList"));
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("Words"), QStringLiteral("Points")});
    list->setRootIsDecorated(false);
    list->setSortingEnabled(false);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(0, WordColumnWidth);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFocusPolicy(Qt::NoFocus);
    return list;
}

void Place(QWidget* widget, const ElementBox& box, double scale) {
    const auto pixels = [scale](double units) {
        return static_cast<int>(RoundHalfEven(units * scale));
    };
    widget->setGeometry(pixels(box.Left), pixels(box.Top), pixels(box.Width), pixels(box.Height));
}

// The font a control was designed with, kept the first time it is scaled.
const char* const DesignFontProperty = "lexabitDesignFont";

void ScaleFont(QWidget* widget, double scale) {
    QVariant design = widget->property(DesignFontProperty);
    if (!design.isValid()) {
        design = widget->font();
        widget->setProperty(DesignFontProperty, design);
    }
    auto font = design.value<QFont>();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    if (widget->font() != font) {
        widget->setFont(font);
    }
}

} // namespace

BoardControls CreateBoardControls(BoardView& board, BoardElements& elements) {
    BoardControls c;
    c.WordLabel = WordDisplayLabel(board, "WordLabel", 36);
    c.PointsLabel = WordDisplayLabel(board, "PointsLabel", 24);
    c.ShuffleCards = new ClickableLabel(QStringLiteral("Shuffle Surface"), &board);
    c.ShuffleCards->setObjectName(QStringLiteral("ShuffleCards"));
    c.ShuffleCards->setAlignment(Qt::AlignCenter);
    c.ShuffleCards->setCursor(Qt::PointingHandCursor);
    c.WordList = CreateWordList(board);
    c.CheckWordButton = new QPushButton(QStringLiteral("CheckWord"), &board);
    c.CheckWordButton->setObjectName(QStringLiteral("CheckWordButton"));
    c.CheckWordButton->setFocusPolicy(Qt::NoFocus);
    c.StatusBar = new StatusPanels(&board);

    // The design sizes of the controls the layout places.
    elements.WordList = {0, 0, 155, 300};
    elements.CheckWordButton = {0, 0, 155, 32};
    elements.ShuffleCards = {0, 0, 93, 20};
    elements.StatusBar.Height = c.StatusBar->DesignHeight();
    DescribeBoardControls(c);
    return c;
}

void ScaleBoardControls(const BoardControls& controls, BoardElements& elements, double scale) {
    for (QWidget* control :
         {static_cast<QWidget*>(controls.ShuffleCards), static_cast<QWidget*>(controls.WordList),
          static_cast<QWidget*>(controls.CheckWordButton),
          static_cast<QWidget*>(controls.WordLabel), static_cast<QWidget*>(controls.PointsLabel)}) {
        ScaleFont(control, scale);
    }
    controls.WordList->setColumnWidth(0, static_cast<int>(std::lround(WordColumnWidth * scale)));
    controls.StatusBar->SetScale(scale);
    elements.StatusBar.Height = std::max(static_cast<double>(controls.StatusBar->DesignHeight()),
                                         controls.StatusBar->NeededHeight() / scale);
}

void PlaceBoardControls(const BoardControls& controls, const BoardElements& elements,
                        double scale) {
    Place(controls.ShuffleCards, elements.ShuffleCards, scale);
    Place(controls.WordList, elements.WordList, scale);
    Place(controls.CheckWordButton, elements.CheckWordButton, scale);
    Place(controls.WordLabel, elements.WordLabel, scale);
    Place(controls.PointsLabel, elements.PointsLabel, scale);
    Place(controls.StatusBar, elements.StatusBar, scale);
}

PauseCover::PauseCover(QWidget& board) : QWidget(&board) {
    setObjectName(QStringLiteral("PauseCover"));
    setAutoFillBackground(true); // in the board's own colour, which it inherits
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Paused"));
    hide();
}

void PauseCover::Cover(int statusBarHeight, double scale) {
    scale_ = scale;
    const QWidget& board = *parentWidget();
    setGeometry(0, 0, board.width(), std::max(0, board.height() - statusBarHeight));
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void PauseCover::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QFont plain = painter.font();
    if (plain.pointSizeF() > 0) { // a font sized in pixels stays as it is
        plain.setPointSizeF(plain.pointSizeF() * scale_);
    }
    QFont large = plain;
    large.setPointSizeF(28 * scale_);
    large.setBold(true);
    const int lineHeight = QFontMetrics(large).height();
    QRect upper = rect();
    upper.setBottom(rect().center().y());
    painter.setFont(large);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Paused"));
    const QRect lower = upper.translated(0, upper.height()).adjusted(0, lineHeight / 3, 0, 0);
    painter.setFont(plain);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Press any key or click to go on"));
}

void PauseCover::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit ResumeAsked();
}

void PauseCover::keyPressEvent(QKeyEvent* event) {
    // The Pause key reaches the Pause command instead.
    if (!IsModifierAlone(event->key())) {
        event->accept();
        emit ResumeAsked();
    }
}

} // namespace lexabit
