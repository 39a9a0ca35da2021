// Per-call times of the procedures that run inside one timer tick.
#include "bench_support.h"
#include "timed.h"

#include <benchmark/benchmark.h>

namespace tumblehand::bench {

namespace {

// A loaded form on a prepared board, with the variables a game in progress has.
struct Position {
    explicit Position(std::string_view rows) : form(platform) {
        form.Form_Load();
        loadBoard(form, rows);
        form.state.ScoreMultiplier = 1;
        form.state.PigWeight = BaseWeight;
        form.state.JokerWeight = BaseWeight;
        form.state.Level = 3;
        form.state.GravityInterval = 800;
        form.Score.Caption = "12340";
    }

    QuietPlatform platform;
    Form1 form;
};

void ClockOverhead(benchmark::State& state) {
    timedLoop(
        state, [] {}, [] {});
}
BENCHMARK(ClockOverhead)->UseManualTime()->Apply(fixedIterations);

// The scan and the full set of hand tests on a well that is almost full.
void AllChecker_NearlyFullWell(benchmark::State& state) {
    Position p(NearlyFullWell);
    for (auto _ : state) {
        p.form.state.ComboCount = 0;
        p.form.AllChecker();
        benchmark::DoNotOptimize(p.form.state.ResolvedHand);
    }
}
BENCHMARK(AllChecker_NearlyFullWell)->Apply(fixedIterations);

// The valuation pass stops at the dead rows; the row in play above them is full.
void AllChecker_DeadRows(benchmark::State& state) {
    Position p(DeadRowsWell);
    for (auto _ : state) {
        p.form.state.ComboCount = 0;
        p.form.AllChecker();
        benchmark::DoNotOptimize(p.form.state.ResolvedHand);
    }
}
BENCHMARK(AllChecker_DeadRows)->Apply(fixedIterations);

// A row in play that is not full: the scan, then the hand-over to the deal-in.
void AllChecker_RowNotFull(benchmark::State& state) {
    Position p(MidGameWell);
    for (auto _ : state) {
        p.form.AllChecker();
        benchmark::DoNotOptimize(p.form.state.ResolvedRowFirst);
    }
}
BENCHMARK(AllChecker_RowNotFull)->Apply(fixedIterations);

// A lone card in the top row falls nine rows.
void Fall_SingleCardOverEmptyColumn(benchmark::State& state) {
    Position p(SingleCardOverEmptyColumn);
    const FormSnapshot start(p.form);
    timedLoop(
        state, [&] { start.restore(p.form); }, [&] { p.form.Fall(); });
}
BENCHMARK(Fall_SingleCardOverEmptyColumn)->UseManualTime()->Apply(fixedIterations);

// Forty-five cards drop one row together.
void Fall_FullWellDropsOneRow(benchmark::State& state) {
    Position p(FullWellOverEmptyRow);
    const FormSnapshot start(p.form);
    timedLoop(
        state, [&] { start.restore(p.form); }, [&] { p.form.Fall(); });
}
BENCHMARK(Fall_FullWellDropsOneRow)->UseManualTime()->Apply(fixedIterations);

// Fall on a settled board: the common case after a landing.
void Fall_Settled(benchmark::State& state) {
    Position p(MidGameWell);
    for (auto _ : state) {
        p.form.Fall();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Fall_Settled)->Apply(fixedIterations);

// Almost every card of the deck is on the board: the deal draws until it finds one
// that is not.
void Nexter_NearlyFullBoard(benchmark::State& state) {
    Position p(DealRejectionWell);
    p.form.state.HideNext = false;
    for (auto _ : state) {
        p.form.Nexter();
        benchmark::DoNotOptimize(p.form.state.NextCodes);
    }
}
BENCHMARK(Nexter_NearlyFullBoard)->Apply(fixedIterations);

void Nexter_MidGame(benchmark::State& state) {
    Position p(MidGameWell);
    p.form.state.HideNext = false;
    for (auto _ : state) {
        p.form.Nexter();
        benchmark::DoNotOptimize(p.form.state.NextCodes);
    }
}
BENCHMARK(Nexter_MidGame)->Apply(fixedIterations);

// The tenth blink tick of a royal straight flush: points, erasing, every counted
// pig set to 0 and removed with its bonus, settling and the next scan.
void Timer3_TenthTick_RoyalWithPigs(benchmark::State& state) {
    Position p(RoyalOverPigsWell);
    p.form.AllChecker();  // finds the row and starts the blink
    p.form.state.BlinkTick = 9;
    const FormSnapshot start(p.form);
    timedLoop(
        state, [&] { start.restore(p.form); }, [&] { p.form.Timer3_Timer(); });
}
BENCHMARK(Timer3_TenthTick_RoyalWithPigs)->UseManualTime()->Apply(fixedIterations);

// One of the nine plain blink ticks.
void Timer3_BlinkTick(benchmark::State& state) {
    Position p(RoyalOverPigsWell);
    p.form.AllChecker();
    for (auto _ : state) {
        p.form.state.BlinkTick = 3;
        p.form.Timer3_Timer();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Timer3_BlinkTick)->Apply(fixedIterations);

// A pair slides in card by card and is placed: the 36 ticks of one deal-in (the
// time of one tick is a 36th of it).
void Timer2_FullDealIn(benchmark::State& state) {
    Position p(MidGameWell);
    p.form.Timer2.setEnabled(true);
    p.form.Nexter();
    const FormSnapshot start(p.form);
    timedLoop(
        state, [&] { start.restore(p.form); },
        [&] {
            for (int tick = 0; tick < 36; ++tick) p.form.Timer2_Timer();
        });
}
BENCHMARK(Timer2_FullDealIn)->UseManualTime()->Apply(fixedIterations);

// A gravity tick that moves the pair one row down.
void Timer1_SteadyTick(benchmark::State& state) {
    Position p(MidGameWell);
    p.form.state.FallingPair = {7, 2};
    p.form.NowCard = {Picture{CardFace::Heart}, Picture{CardFace::Club}};
    p.form.NowNum[0].Caption = "Q";
    p.form.NowNum[1].Caption = "10";
    p.form.Appear();
    p.form.Timer1.setEnabled(true);
    const FormSnapshot start(p.form);
    timedLoop(
        state, [&] { start.restore(p.form); }, [&] { p.form.Timer1_Timer(); });
}
BENCHMARK(Timer1_SteadyTick)->UseManualTime()->Apply(fixedIterations);

}  // namespace

}  // namespace tumblehand::bench
