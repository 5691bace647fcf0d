#include "TMyMemory.h"

#include <QtTest>

#include <cmath>
#include <string>

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void operations_data();
    void operations();
    void clearAndRecall();
};

void TestMemory::operations_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<char>("operation"); // '=' Set, '+' Add, '-' Subtract
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value"); // afterwards
    const auto Set = [](const char* name, const QString& text, bool accepted, double value)
    { QTest::newRow(name) << "42" << '=' << text << accepted << value; };

    Set("negative decimal", "-0.125", true, -0.125);
    Set("leading point", ".25", true, 0.25);
    Set("negative leading point", "-.5", true, -0.5);
    Set("trailing point", "12.", true, 12.0);
    Set("400 zeros are still zero", QString(400, '0'), true, 0.0);
    Set("decimal comma", "0,5", false, 42.0);
    Set("minus point", "-.", false, 42.0);
    Set("empty", "", false, 42.0);
    Set("leading plus", "+5", false, 42.0);
    Set("leading space", " 5", false, 42.0);
    Set("trailing space", "5 ", false, 42.0);
    Set("percent", "35%", false, 42.0);
    Set("17 digits in exponent form, as large results read", "-1.152921504606847e+18", true,
        -1152921504606846976.0);
    Set("small exponent notation, as results below 10^-4 read", "5e-05", true, 5e-05);
    Set("negative zero is kept as 0", "-0", true, 0.0);
    Set("an exponent needs digits", "1e+", false, 42.0);
    Set("an exponent needs a number before it", ".e5", false, 42.0);
    Set("a value beyond the double range", "1e309", false, 42.0);
    Set("a value below the double range is 0", "0." + QString(400, '0') + "1", true, 0.0);
    Set("NUL inside", QString("1") + QChar(0) + "2", false, 42.0);
    QTest::newRow("add negative") << "6" << '+' << "-8" << true << -2.0;
    QTest::newRow("a sum beyond the double range is refused")
        << "1e308" << '+' << "1e308" << false << 1e308;
    QTest::newRow("a difference beyond the double range is refused")
        << "-1e308" << '-' << "1e308" << false << -1e308;
    QTest::newRow("subtract negative") << "0.875" << '-' << "-0.125" << true << 1.0;
    QTest::newRow("subtract refuses expression") << "90" << '-' << "2+log(23,3)" << false << 90.0;
}

void TestMemory::operations()
{
    QFETCH(QString, start);
    QFETCH(char, operation);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    TMyMemory memory;
    QVERIFY(memory.Set(start.toStdString()));
    const QByteArray utf8 = text.toUtf8();
    const std::string t(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    const bool result = operation == '='   ? memory.Set(t)
                        : operation == '+' ? memory.Add(t)
                                           : memory.Subtract(t);
    QCOMPARE(result, accepted);
    QCOMPARE(memory.Recall(), value);
    QCOMPARE(std::signbit(memory.Recall()), std::signbit(value));
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
