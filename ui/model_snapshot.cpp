#include "ui/model_snapshot.h"
#include "board/form1.h"

namespace tumblehand::ui {

namespace {

void add(std::string& out, const Label& label) {
    out += label.Caption;
    out += '\x1f';
    out += label.Visible ? '1' : '0';
    out += std::to_string(label.ForeColor);
    out += ',';
    out += std::to_string(label.Left);
    out += ',';
    out += std::to_string(label.Top);
    out += ',';
    out += std::to_string(label.Width);
    out += ',';
    out += std::to_string(label.Height);
    out += '\x1e';
}

void add(std::string& out, const Picture& picture) {
    out += static_cast<char>('a' + static_cast<int>(picture.Face));
    out += picture.Visible ? '1' : '0';
    out += std::to_string(picture.Left);
    out += ',';
    out += std::to_string(picture.Width);
    out += '\x1e';
}

}  // namespace

std::string mainWindowSnapshot(const Form1& form) {
    std::string out;
    out.reserve(2048);
    for (int i = 0; i < Board::Cells; ++i) {
        add(out, form.board.Mas(i));
        add(out, form.board.Num(i));
    }
    for (std::size_t k = 0; k < 2; ++k) {
        add(out, form.NextCard[k]);
        add(out, form.NextNum[k]);
    }
    add(out, form.MoveCard);
    add(out, form.MoveNum);
    for (const Picture& back : form.ura1) add(out, back);
    add(out, form.Gara[4]);
    add(out, form.Gara[5]);
    for (const Label* label : {&form.YakuL, &form.ComboS, &form.Gscore, &form.TotalS, &form.Start,
                               &form.StopL, &form.Ending, &form.Label1, &form.Label2, &form.Label3,
                               &form.Label4, &form.Label5, &form.Score}) {
        add(out, *label);
    }
    return out;
}

std::string recordsSnapshot(const Form3* form3) {
    std::string out;
    if (!form3) return out;
    for (std::size_t i = 0; i < 10; ++i) {
        add(out, form3->Label1[i]);
        add(out, form3->Score[i]);
    }
    for (const Label* label : {&form3->Maxcombop, &form3->Maxcombon, &form3->MaxpointsP,
                               &form3->Maxpointsn}) {
        add(out, *label);
    }
    return out;
}

}  // namespace tumblehand::ui
