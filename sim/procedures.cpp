#include "sim/procedures.h"

namespace tumblehand::sim {

namespace {

using Args = const std::vector<int>&;

Procedure plain(std::string name, void (Form1::*procedure)()) {
    return {std::move(name), {}, [procedure](Form1& form, Args) { (form.*procedure)(); }};
}

}  // namespace

const std::vector<Procedure>& procedures() {
    static const Parameter Ycard{"Y", 0, 9};
    static const Parameter Count{"", 0, 5};
    static const std::vector<Procedure> table = {
        plain("Form_Load", &Form1::Form_Load),
        plain("Start_Click", &Form1::Start_Click),
        plain("StopL_Click", &Form1::StopL_Click),
        plain("Timer1_Timer", &Form1::Timer1_Timer),
        plain("Timer2_Timer", &Form1::Timer2_Timer),
        plain("Timer3_Timer", &Form1::Timer3_Timer),
        plain("Nexter", &Form1::Nexter),
        plain("Cleanen", &Form1::Cleanen),
        plain("Appear", &Form1::Appear),
        plain("Fall", &Form1::Fall),
        plain("AllChecker", &Form1::AllChecker),
        plain("ComboCheck", &Form1::ComboCheck),
        plain("CClear", &Form1::CClear),
        {"Flush", {Ycard}, [](Form1& form, Args a) { form.Flush(handAt(a[0])); }},
        {"Straight", {Ycard}, [](Form1& form, Args a) { form.Straight(handAt(a[0])); }},
        {"Pair", {{"C", Count.min, Count.max}, Ycard}, [](Form1& form, Args a) { form.Pair(a[0], handAt(a[1])); }},
        {"TwoPair",
         {{"R", Count.min, Count.max}, {"S", Count.min, Count.max}, Ycard},
         [](Form1& form, Args a) { form.TwoPair(a[0], a[1], handAt(a[2])); }},
        {"Erace", {{"B", Count.min, Count.max}}, [](Form1& form, Args a) { form.Erace(a[0]); }},
        {"PigEracer", {{"P", 0, 49}}, [](Form1& form, Args a) { form.PigEracer(a[0]); }},
        plain("GAMEOVER", &Form1::GAMEOVER),
        plain("Kaisi_Click", &Form1::Kaisi_Click),
        plain("Chusi_Click", &Form1::Chusi_Click),
        plain("Shuryo_Click", &Form1::Shuryo_Click),
        plain("Ending_Click", &Form1::Ending_Click),
        plain("YakuHyou_Click", &Form1::YakuHyou_Click),
        plain("Seiseki_Click", &Form1::Seiseki_Click),
        plain("Label3_DragDrop", &Form1::Label3_DragDrop),
        plain("Label4_DragDrop", &Form1::Label4_DragDrop),
    };
    return table;
}

const Procedure* findProcedure(std::string_view name) {
    for (const Procedure& procedure : procedures()) {
        if (procedure.name == name) return &procedure;
    }
    return nullptr;
}

}  // namespace tumblehand::sim
