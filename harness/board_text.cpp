#include "harness/board_text.h"

#include "board/numbers.h"

#include <sstream>

namespace tumblehand {

namespace {

constexpr std::string_view SuitLetters = "SHDC";  // in CardFace order

char suitLetter(CardFace face) {
    const auto i = static_cast<std::size_t>(face);
    return i < SuitLetters.size() ? SuitLetters[i] : 'C';
}

bool isInteger(std::string_view text) {
    if (text.empty()) return false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 9) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

}  // namespace

std::optional<CardToken> parseCardToken(std::string_view token) {
    if (token == ".") return CardToken{};
    if (token == "JK") return CardToken{CardFace::Joker, "", ""};
    if (token == "PG") return CardToken{CardFace::Pig, "", ""};
    if (token == "BK") return CardToken{CardFace::Back, "", ""};
    if (token.size() >= 2 && token[0] == 'P' && isInteger(token.substr(1))) {
        const std::string counter(token.substr(1));
        return CardToken{CardFace::Pig, counter, counter};
    }
    if (token.size() < 2) return std::nullopt;
    const std::size_t suit = SuitLetters.find(token.back());
    const std::string rank(token.substr(0, token.size() - 1));
    if (suit == std::string_view::npos || RankValue(rank) == 0) return std::nullopt;
    return CardToken{static_cast<CardFace>(suit), rank, ""};
}

std::string cardTokenOf(CardFace face, const std::string& rank) {
    switch (face) {
        case CardFace::Empty: return ".";
        case CardFace::Back: return "BK";
        case CardFace::Joker: return "JK";
        case CardFace::Pig: return rank.empty() ? "PG" : "P" + rank;
        default: return rank + suitLetter(face);
    }
}

void putCard(Form1& form, int cell, const CardToken& card) {
    form.Mas(cell).Face = card.face;
    form.Num(cell).Caption = card.rank;
    form.Num(cell).Tag = card.tag;
}

std::string setBoardText(Form1& form, std::string_view rows) {
    std::istringstream in{std::string(rows)};
    std::string token;
    int cell = 0;
    while (in >> token) {
        if (cell == Board::Cells) return "more than 50 cards";
        const auto card = parseCardToken(token);
        if (!card) return "not a card: " + token;
        putCard(form, cell++, *card);
    }
    if (cell != Board::Cells) return "expected 50 cards, got " + decimal(cell);
    return {};
}

std::string boardText(const Form1& form) {
    std::string text;
    for (int cell = 0; cell < Board::Cells; ++cell) {
        std::string token = cardTokenOf(form.board.Mas(cell).Face, form.board.Num(cell).Caption);
        token.resize(std::max<std::size_t>(token.size(), 3), ' ');
        text += token;
        text += Board::column(cell) == 4 ? "\n" : " ";
    }
    return text;
}

}  // namespace tumblehand
