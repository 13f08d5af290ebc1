#pragma once

namespace lexabit {

struct BoardControls;

// Names, descriptions and tooltips of the controls around the cards, for the player who
// hovers over them and for assistive technology.
void DescribeBoardControls(const BoardControls& controls);

} // namespace lexabit
