// The measuring executable's probe: the lines the measuring scripts parse, and the start at
// top speed, which only the measurement's two variables together ask for.
#include "board/game_state.h"
#include "measure/environment_probe.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <iterator>
#include <regex>
#include <tuple>

using namespace tumblehand;

class MeasureProbeTest : public QObject {
    Q_OBJECT

private slots:
    void printsTheLinesTheScriptsRead() {
        QTemporaryDir folder;
        const QByteArray file = folder.filePath(QStringLiteral("hook.txt")).toUtf8();
        qputenv("TUMBLEHAND_MEASURE", file);
        measure::EnvironmentProbe probe;
        probe.painted(QRect(1, 2, 3, 4), QSize(5, 6));
        probe.painted(QRect(7, 8, 9, 10), QSize(5, 6));
        probe.tick(1, 100, 2.5);
        probe.cue("/game/sound/pn.wav");
        std::ifstream in(file.toStdString());
        const std::string lines{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        // The monotonic clock in nanoseconds, whatever it reads.
        QCOMPARE(std::regex_replace(lines, std::regex("\\b[0-9]{10,}\\b"), "T"),
                 std::string("first-paint T\n"
                             "paint T 1 2 3 4 5 6\n"
                             "paint T 7 8 9 10 5 6\n"
                             "tick 1 T 100 2.5\n"
                             "cue T /game/sound/pn.wav\n"));
    }

    void startsAtTopSpeedOnlyWhenMeasuringLevelTen() {
        for (const auto& [measuring, level, interval] : {std::tuple{"1", "10", 110}, std::tuple{"0", "10", 1010},
                                                         std::tuple{"1", "9", 1010}, std::tuple{"1", "", 1010}}) {
            qputenv("TUMBLEHAND_MEASURE", measuring);
            qputenv("TUMBLEHAND_MEASURE_LEVEL", level);
            measure::EnvironmentProbe probe;
            GameState state;
            state.GravityInterval = 1010;
            probe.procedureRan(state);
            QCOMPARE(int{state.GravityInterval}, interval);
            state.GravityInterval = 500;  // a game under way keeps its speed
            probe.procedureRan(state);
            QCOMPARE(int{state.GravityInterval}, 500);
        }
    }
};

QTEST_MAIN(MeasureProbeTest)
#include "measure_probe_test.moc"
