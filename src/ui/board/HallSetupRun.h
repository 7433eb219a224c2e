#pragma once

struct AppState;
class QMainWindow;

// Runs the set-up over `window`; when that is the table board, the board
// reads its tables again afterwards, so that a table just added opens at once.
// Gives whether the set-up was finished rather than put off.
bool runHallSetup(AppState& state, QMainWindow* window);

// At the start of a board on a hall without tables: offers the set-up to an
// operator who may run it, and tells any other who must. Gives whether the
// hall still has no tables because the offer was put off, or could only be
// told; the program then offers nothing more in this run.
bool offerSetupOnEmptyHall(AppState& state, QMainWindow* window);
