#include "board/form1.h"
#include "shell/form3.h"

namespace tumblehand {

void Form1::Kaisi_Click() { Start_Click(); }

void Form1::Chusi_Click() { StopL_Click(); }

void Form1::Shuryo_Click() { platform().closeMainWindow(); }

void Form1::Ending_Click() { platform().closeMainWindow(); }

void Form1::YakuHyou_Click() { platform().showHandTable(); }

void Form1::Seiseki_Click() {
    form3();
    platform().showRecords();
}

void DeleteForm3::operator()(Form3* form3) const { delete form3; }

Form3& Form1::form3() {
    if (!form3_) {
        form3_.reset(new Form3());
        form3_->Form_Load(recordsFile());
    }
    return *form3_;
}

}  // namespace tumblehand
