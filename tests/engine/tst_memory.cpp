#include "TMyMemory.h"

#include <QtTest>

#include <cmath>
#include <string>

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void set_data();
    void set();
    void addAndSubtract_data();
    void addAndSubtract();
    void clearAndRecall();
};

void TestMemory::set_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value"); // the value afterwards, from 42

    QTest::newRow("negative decimal") << "-0.125" << true << -0.125;
    QTest::newRow("leading point") << ".25" << true << 0.25;
    QTest::newRow("negative leading point") << "-.5" << true << -0.5;
    QTest::newRow("trailing point") << "12." << true << 12.0;
    QTest::newRow("400 zeros are still zero") << QString(400, '0') << true << 0.0;
    QTest::newRow("decimal comma") << "0,5" << false << 42.0;
    QTest::newRow("minus point") << "-." << false << 42.0;
    QTest::newRow("lone point") << "." << false << 42.0;
    QTest::newRow("empty") << "" << false << 42.0;
    QTest::newRow("leading plus") << "+5" << false << 42.0;
    QTest::newRow("leading space") << " 5" << false << 42.0;
    QTest::newRow("trailing space") << "5 " << false << 42.0;
    QTest::newRow("percent") << "35%" << false << 42.0;
    QTest::newRow("exponent notation, as results from 10^10 on read") << "1e+10" << true << 1e10;
    QTest::newRow("small exponent notation, as results below 10^-4 read")
        << "5e-05" << true << 5e-05;
    QTest::newRow("negative, capital E, no exponent sign") << "-2.5E3" << true << -2500.0;
    QTest::newRow("negative zero is kept as 0") << "-0" << true << 0.0;
    QTest::newRow("an exponent needs digits") << "1e+" << false << 42.0;
    QTest::newRow("an exponent needs a number before it") << ".e5" << false << 42.0;
    QTest::newRow("an exponent beyond the double range") << "1e309" << false << 42.0;
    QTest::newRow("infinity") << "inf" << false << 42.0;
    QTest::newRow("not a number") << "-nan" << false << 42.0;
    QTest::newRow("expression") << "2+log(23,3)" << false << 42.0;
    QTest::newRow("hex") << "0x10" << false << 42.0;
    QTest::newRow("400 digits overflow") << "1" + QString(399, '0') << false << 42.0;
    QTest::newRow("a value below the double range is 0")
        << "0." + QString(400, '0') + "1" << true << 0.0;
    QTest::newRow("NUL inside") << QString("1") + QChar(0) + "2" << false << 42.0;
}

void TestMemory::set()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    TMyMemory memory;
    QVERIFY(memory.Set("42"));
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(memory.Set(std::string(utf8.constData(), utf8.size())), accepted);
    QCOMPARE(memory.Recall(), value);
    QCOMPARE(std::signbit(memory.Recall()), std::signbit(value));
}

void TestMemory::addAndSubtract_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("add"); // false: subtract
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    QTest::newRow("add negative") << "6" << true << "-8" << true << -2.0;
    QTest::newRow("add huge") << "0.00038" << true << "370000000000000000000000000" << true
                              << 3.7e26;
    QTest::newRow("add refuses percent") << "12.003" << true << "35%" << false << 12.003;
    QTest::newRow("a sum beyond the double range is refused")
        << "1e308" << true << "1e308" << false << 1e308;
    QTest::newRow("a difference beyond the double range is refused")
        << "-1e308" << false << "1e308" << false << -1e308;
    QTest::newRow("subtract") << "0" << false << "12.125" << true << -12.125;
    QTest::newRow("subtract negative") << "0.875" << false << "-0.125" << true << 1.0;
    QTest::newRow("subtract refuses expression") << "90" << false << "2+log(23,3)" << false << 90.0;
}

void TestMemory::addAndSubtract()
{
    QFETCH(QString, start);
    QFETCH(bool, add);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    TMyMemory memory;
    QVERIFY(memory.Set(start.toStdString()));
    const std::string t = text.toStdString();
    QCOMPARE(add ? memory.Add(t) : memory.Subtract(t), accepted);
    QVERIFY2(qAbs(memory.Recall() - value) <= 1e-7 * qMax(1.0, qAbs(value)),
             qPrintable(QString::number(memory.Recall(), 'g', 17)));
}

void TestMemory::clearAndRecall()
{
    TMyMemory memory;
    QCOMPARE(memory.Recall(), 0.0);
    QVERIFY(memory.Set("3"));
    QVERIFY(memory.Add("4"));
    QCOMPARE(memory.Recall(), 7.0);
    QCOMPARE(memory.Recall(), 7.0); // recalling changes nothing
    memory.Clear();
    QCOMPARE(memory.Recall(), 0.0);
}

QTEST_APPLESS_MAIN(TestMemory)
#include "tst_memory.moc"
