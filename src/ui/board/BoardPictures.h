#pragma once

#include <QPixmap>

// The two table pictures of the board, index 1 the free table and index 2
// the table in use: "tqkb.jpg" and "ituse.jpg" from the program folder, or
// pictures drawn here when either file is missing, so that the pair always
// matches.
struct BoardPictures
{
    QPixmap freeTable;
    QPixmap tableInUse;

    static BoardPictures load();
    static BoardPictures builtIn();
};
