#pragma once

// The painted board as assistive technology sees it: one child for each face-up card,
// each empty column, the pack and the discard pile, each named as a player would say it.

class QString;

namespace lexabit {

class BoardView;

// Lets Qt describe every board through the interfaces below; safe to call again.
void InstallBoardAccessibility();

// Tells assistive technology that the keyboard's focus now stands on another child.
void AnnounceBoardFocus(BoardView& board);

} // namespace lexabit
