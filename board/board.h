#pragma once

#include "board/controls.h"

#include <array>

namespace tumblehand {

/// The well: 50 cells numbered row by row from the top left, five columns, ten rows.
/// Cell i is the face picture Mas(i) and the rank label Num(i) (caption and tag).
class Board {
public:
    static constexpr int Columns = 5;
    static constexpr int Rows = 10;
    static constexpr int Cells = Columns * Rows;

    Board();

    // Checked: a cell number outside 0..49 (only a corrupted state can make one) throws
    // std::out_of_range instead of reaching into the memory beside the well.
    Picture& Mas(int i) { return mas_.at(static_cast<std::size_t>(i)); }
    const Picture& Mas(int i) const { return mas_.at(static_cast<std::size_t>(i)); }
    Label& Num(int i) { return num_.at(static_cast<std::size_t>(i)); }
    const Label& Num(int i) const { return num_.at(static_cast<std::size_t>(i)); }

    /// A cell is empty exactly when its picture is empty; the rank text is not looked at.
    bool isEmpty(int i) const { return Mas(i).Face == CardFace::Empty; }
    /// Empties a cell: empty picture and empty rank text (the tag is kept).
    void clear(int i);
    /// A pig face with a non-empty rank text.
    bool isCountedPig(int i) const { return Mas(i).Face == CardFace::Pig && !Num(i).Caption.empty(); }
    /// A pig face with an empty rank text (a dealt pig).
    bool isPigCard(int i) const { return Mas(i).Face == CardFace::Pig && Num(i).Caption.empty(); }

    static constexpr int column(int i) { return i % Columns; }
    static constexpr int row(int i) { return i / Columns; }

private:
    std::array<Picture, Cells> mas_;
    std::array<Label, Cells> num_;
};

}  // namespace tumblehand
