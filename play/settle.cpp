#include "play/settle.h"

#include "board/form1.h"

namespace tumblehand {

int settleBoard(Board& board) {
    int passes = 0;
    bool moved = true;
    while (moved) {
        moved = false;
        ++passes;
        // Bottom up, so a whole stack over a gap drops one row together, in order.
        for (int i = Board::Cells - Board::Columns - 1; i >= 0; --i) {
            if (board.isEmpty(i) || !board.isEmpty(i + Board::Columns)) continue;
            board.Mas(i + Board::Columns).Face = board.Mas(i).Face;
            board.Num(i + Board::Columns).Caption = board.Num(i).Caption;
            board.Mas(i).Face = CardFace::Empty;
            board.Num(i).Caption.clear();
            moved = true;
        }
    }
    return passes;
}

void Form1::Fall() { settleBoard(board); }

}  // namespace tumblehand
