#pragma once

#include "game/CardRecord.h"

namespace lexabit {

// Position and size of one fixed element of the board, in board pixels.
struct ElementBox {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

// The fixed elements the layout arranges around the columns.
struct BoardElements {
    ElementBox ClickME{0, 0, CardWidth, CardHeight};
    ElementBox Fig{0, 0, 65, 65};
    ElementBox PackBack{0, 0, CardWidth, CardHeight};
    ElementBox ShuffleCards{0, 0, CardWidth, 17};
    ElementBox DiscardDeck{0, 0, CardWidth, CardHeight};
    ElementBox WordList{0, 0, 209, 401};
    ElementBox CheckWordButton{0, 0, 209, 41};
    ElementBox WordLabel{0, 0, 497, 72};
    ElementBox PointsLabel{0, 0, 497, 72};
    ElementBox StatusBar{0, 0, 1032, 25};
};

} // namespace lexabit
