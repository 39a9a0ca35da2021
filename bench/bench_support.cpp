#include "bench_support.h"

#include "harness/board_text.h"

#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace tumblehand::bench {

FormSnapshot::FormSnapshot(const Form1& form) : state_(form.state) {
    form.forEachControl([this](const ControlName&, const auto& control) { controls_.emplace_back(control); });
}

void FormSnapshot::restore(Form1& form) const {
    // Copy-assigning strings into strings that already hold as much reuses their
    // buffers, so a restore allocates nothing once the form has been through it.
    std::size_t next = 0;
    form.forEachControl([this, &next](const ControlName&, auto& control) {
        control = std::get<std::remove_reference_t<decltype(control)>>(controls_[next++]);
    });
    form.state = state_;
}

void loadBoard(Form1& form, std::string_view rows) {
    const std::string error = setBoardText(form, rows);
    if (!error.empty()) {
        std::fprintf(stderr, "bench board: %s\n", error.c_str());
        std::abort();
    }
}

const std::string_view NearlyFullWell =
    "AS  2H  .   .   .  "
    "3D  4C  5S  6H  7D "
    "8C  9S  10H JD  QC "
    "KS  AH  2D  3C  4S "
    "5H  6D  7C  8S  9H "
    "10D JC  QS  KH  AD "
    "2C  3S  4H  5D  6C "
    "7S  8H  9D  10C JS "
    "QH  KD  AC  2S  3H "
    "4D  5C  6S  8H  KC ";

const std::string_view DeadRowsWell =
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    "9C  .   .   .   .  "
    "3S  JH  .   KD  .  "
    "2H  5H  9H  JH  KH "
    "P2  P2  P2  P2  P2 "
    "P1  P1  P1  P1  P1 "
    "P1  P1  P1  P1  P1 ";

const std::string_view SingleCardOverEmptyColumn =
    "KS  .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  ";

const std::string_view FullWellOverEmptyRow =
    "AS  2H  3D  4C  5S "
    "6H  7D  8C  9S  10H"
    " JD QC  KS  AH  2D "
    "3C  4S  5H  6D  7C "
    "8S  9H  10D JC  QS "
    "KH  AD  2C  3S  4H "
    "5D  6C  7S  8H  9D "
    "10C JS  QH  KD  AC "
    "JK  PG  JK  PG  2S "
    ".   .   .   .   .  ";

const std::string_view DealRejectionWell =
    "AS  2S  .   .   3S "
    "4S  5S  6S  7S  8S "
    "9S  10S JS  QS  KS "
    "AH  2H  3H  4H  5H "
    "6H  7H  8H  9H  10H"
    " JH QH  KH  AD  2D "
    "3D  4D  5D  6D  7D "
    "8D  9D  10D JD  QD "
    "KD  AC  2C  3C  4C "
    "5C  6C  7C  8C  9C ";

const std::string_view RoyalOverPigsWell =
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    "4D  .   .   .   .  "
    "7C  2D  .   9H  .  "
    "10S JS  QS  KS  AS "
    "P3  P3  P3  P3  P3 "
    "P5  P5  P5  P5  P5 ";

const std::string_view MidGameWell =
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    ".   .   .   .   .  "
    "3D  .   .   .   .  "
    "9C  5H  .   JK  .  "
    "2S  KH  7D  QC  .  "
    "P1  P1  P1  P1  P1 ";

}  // namespace tumblehand::bench
