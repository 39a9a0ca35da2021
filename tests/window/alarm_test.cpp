// The window's tick alarm fires once per start, never before its time, not at all once
// stopped, and a new start replaces the alarm set before.
#include "ui/precise_alarm.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace tumblehand;

class AlarmTest : public QObject {
    Q_OBJECT

private slots:
    void firesOnceAndNeverEarly_data() {
        QTest::addColumn<qint64>("waitNs");
        QTest::newRow("at once") << qint64{0};
        QTest::newRow("less than a millisecond") << qint64{300'000};
        QTest::newRow("between whole milliseconds") << qint64{7'400'000};
    }

    void firesOnceAndNeverEarly() {
        QFETCH(qint64, waitNs);
        ui::PreciseAlarm alarm;
        QVERIFY2(alarm.precise(), "the kernel timer is available on Linux");
        int fired = 0;
        qint64 firedAfter = -1;
        QElapsedTimer clock;
        connect(&alarm, &ui::PreciseAlarm::timeout, this, [&] {
            ++fired;
            firedAfter = clock.nsecsElapsed();
        });
        clock.start();
        alarm.start(waitNs);
        QTRY_COMPARE(fired, 1);
        // Only a lower bound: however loaded the machine, it may be late, never early.
        QVERIFY2(firedAfter >= waitNs, "fired before its time");
        QTest::qWait(30);
        QCOMPARE(fired, 1);
    }

    void stoppedOrReplacedAlarmsDoNotFire() {
        ui::PreciseAlarm alarm;
        int fired = 0;
        connect(&alarm, &ui::PreciseAlarm::timeout, this, [&] { ++fired; });
        // Even if the time passes before stop() (a descheduled test), the expiry is
        // dropped: the loop has not looked at the alarm yet.
        alarm.start(1'000'000);
        alarm.stop();
        QTest::qWait(40);
        QCOMPARE(fired, 0);

        // A later start replaces an earlier one: one tick, at the later time.
        QElapsedTimer clock;
        clock.start();
        alarm.start(0);
        alarm.start(15'000'000);
        QTRY_COMPARE(fired, 1);
        QVERIFY(clock.nsecsElapsed() >= 15'000'000);
        QTest::qWait(30);
        QCOMPARE(fired, 1);
    }
};

QTEST_MAIN(AlarmTest)
#include "alarm_test.moc"
