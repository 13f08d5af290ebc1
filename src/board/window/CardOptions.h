#pragma once

#include <QWidget>
#include <optional>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace lexabit {

class Cards;
class OptionsHost;

// The card options window: the player picks one of the nine card backs.
class CardOptions : public QWidget {
    Q_OBJECT

public:
    // pickedStyle is the last pick, which outlives the window for the whole run.
    CardOptions(Cards& cardPics, int& pickedStyle, OptionsHost& host, QWidget* parent = nullptr);

    // Re-applies the saved settings, fills the list and previews the pack's back.
    void LoadOnOpen();
    // Previews the back the pack shows now.
    void PreviewPackBack();

    void CardList_Click(int position);
    void Ok_Click();
    void Apply_Click();
    void Cancel_Click();

    // The card back the preview shows, as a style number.
    std::optional<int> TestCardPicture() const { return testCardPicture_; }

    static QString ThankYouCaption(int style);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowTestCard(std::optional<int> style);
    void ReserveRoomForCaptions();

    Cards& cardPics_;
    int& PickedStyle;
    OptionsHost& host_;
    std::optional<int> testCardPicture_;
    QComboBox* StyleList = nullptr;
    QLabel* BackPreview = nullptr;
    QGroupBox* StyleFrame = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* ApplyButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace lexabit
