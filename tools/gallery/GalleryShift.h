#pragma once

struct AppState;

// The system operator's shift so far, worked through the program's own
// paths so that the shift report's hand-over has every figure: a member's
// table paid from the card's balance with goods on it, a counter sale and a
// top-up paid below what it credits. The tables the board left open hold
// their deposits. What cannot be staged is said on stderr.
void stageShift(AppState& state);
