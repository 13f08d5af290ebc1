#include "options/LettersForm.h"

#include "game/model/Alphabet.h"
#include "game/model/Texts.h"
#include "ui/GameText.h"
#include "ui/OptionsHost.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace lexabit {

LettersForm::LettersForm(OptionsHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {
    setObjectName(QStringLiteral("LettersForm"));
    setWindowTitle(QStringLiteral("Letters"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout(this);
    const LetterCountTexts& counts = host_.NextDealLetters();
    constexpr int rowsPerColumn = 13; // A to M on the left, N to Z on the right
    for (int i = 0; i < LetterCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        LetterLabels[at] = new QLabel(LetterText(LetterOf(i + 1)), this);
        LetterLabels[at]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        CountFields[at] = new QLineEdit(Text(counts[at]), this);
        CountFields[at]->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        CountFields[at]->setMaximumWidth(60);
        const int row = i % rowsPerColumn;
        const int column = (i / rowsPerColumn) * 2;
        grid->addWidget(LetterLabels[at], row, column);
        grid->addWidget(CountFields[at], row, column + 1);
    }

    auto* save = new QPushButton(QStringLiteral("Save Changes"), this);
    save->setObjectName(QStringLiteral("Command2"));
    TotalField = new QLineEdit(this);
    TotalField->setObjectName(QStringLiteral("Text2"));
    TotalField->setReadOnly(true);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("Command1"));
    grid->addWidget(save, rowsPerColumn, 0, 1, 2);
    grid->addWidget(TotalField, rowsPerColumn, 2, 1, 2);
    grid->addWidget(exit, rowsPerColumn + 1, 0, 1, 4);

    for (QLineEdit* field : CountFields) {
        connect(field, &QLineEdit::textChanged, this,
                [this] { host_.SetNextDealLetters(CountTexts()); });
    }
    connect(save, &QPushButton::clicked, this, &LettersForm::SaveCounts);
    connect(exit, &QPushButton::clicked, this, &LettersForm::CloseWindow);
}

LetterCountTexts LettersForm::CountTexts() const {
    LetterCountTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = RulesText(CountFields[i]->text());
    }
    return texts;
}

void LettersForm::SaveCounts() {
    double total = 0;
    for (const QLineEdit* field : CountFields) {
        // Each count is kept within what a deal accepts, so the total stays a 16-bit number.
        total += std::clamp(LeadingNumber(RulesText(field->text())), -1.0 * MaxLetterCount,
                            1.0 * MaxLetterCount);
    }
    TotalField->setText(Text(NumberText(RoundHalfEven(total))) + QStringLiteral(" Letters"));
}

void LettersForm::CloseWindow() {
    close();
}

void LettersForm::closeEvent(QCloseEvent* event) {
    host_.SetNextDealLetters(StandardLetterCountTexts());
    QWidget::closeEvent(event);
}

} // namespace lexabit
