// The window's tick alarm fires once per start, never before its time, not at all once
// stopped, and a new start replaces the alarm set before.
#include "ui/precise_alarm.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace tumblehand;

class AlarmTest : public QObject {
    Q_OBJECT

private slots:
    void firesOnceNeverEarlyAndNotOnceStopped_data() {
        QTest::addColumn<qint64>("earlierNs");  // a start replaced by the next one; -1: none
        QTest::addColumn<qint64>("waitNs");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("at once") << qint64{-1} << qint64{0} << false;
        QTest::newRow("less than a millisecond") << qint64{-1} << qint64{300'000} << false;
        QTest::newRow("between whole milliseconds") << qint64{-1} << qint64{7'400'000} << false;
        // Even if the time passes before stop() (a descheduled test), the expiry is
        // dropped: the loop has not looked at the alarm yet.
        QTest::newRow("stopped") << qint64{-1} << qint64{1'000'000} << true;
        QTest::newRow("replaced by a later start") << qint64{0} << qint64{15'000'000} << false;
    }

    void firesOnceNeverEarlyAndNotOnceStopped() {
        QFETCH(qint64, earlierNs);
        QFETCH(qint64, waitNs);
        QFETCH(bool, stopped);
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
        if (earlierNs >= 0) alarm.start(earlierNs);
        alarm.start(waitNs);
        if (stopped) alarm.stop();
        if (!stopped) QTRY_COMPARE(fired, 1);
        // Only a lower bound: however loaded the machine, it may be late, never early.
        QVERIFY2(stopped || firedAfter >= waitNs, "fired before its time");
        QTest::qWait(40);
        QCOMPARE(fired, stopped ? 0 : 1);
    }
};

QTEST_MAIN(AlarmTest)
#include "alarm_test.moc"
