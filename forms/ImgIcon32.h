#pragma once
#include <QIcon>
#include <QPixmap>

// The main window's picture list: 13 pictures of 32 by 32 pixels, numbered
// from 1. Pictures 1 to 10 are the toolbar's; other windows use 11 (a red
// exclamation mark), 12 (a green tick) and 13 (a black cross), a row flag of
// -1, 0 or 1 added to 12 choosing among them.
class ImgIcon32 {
public:
    static constexpr int kCount = 13;
    static constexpr int kExclamation = 11;
    static constexpr int kTick = 12;
    static constexpr int kCross = 13;
    // A null pixmap for an index outside 1 to 13.
    static QPixmap picture(int index);
    static QIcon icon(int index) { return QIcon(picture(index)); }
};
