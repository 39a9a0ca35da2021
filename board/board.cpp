#include "board/board.h"

namespace tumblehand {

Board::Board() {
    for (int i = 0; i < Cells; ++i) {
        Picture& picture = Mas(i);
        picture.Left = column(i) * 480;
        picture.Top = row(i) * 480;
        picture.Width = 495;
        picture.Height = 495;
        Label& label = Num(i);
        label.Left = column(i) * 480;
        label.Top = row(i) * 480 + 120;
        label.Width = 495;
        label.Height = 255;
        label.ForeColor = colors::RankGreen;
    }
}

void Board::clear(int i) {
    Mas(i).Face = CardFace::Empty;
    Num(i).Caption.clear();
}

}  // namespace tumblehand
