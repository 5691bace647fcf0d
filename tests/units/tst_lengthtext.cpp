#include "LengthText.h"
#include "TMyTinyExpr.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

class TestLengthText : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void rules_data();
    void rules();
    void readsBack();
};

void TestLengthText::formats_data()
{
    QTest::addColumn<int>("lunits");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("texts"); // of 0, 0.5, 1/64, 126.5, -126.5, 12, 1e6, '|' between
    const auto Row = [](int lunits, int precision, const char* texts)
    { QTest::addRow("format %d, precision %d", lunits, precision) << lunits << precision << texts; };

    Row(1, 0, R"(0E+00|5E-01|2E-02|1E+02|-1E+02|1E+01|1E+06)");
    Row(1, 2, R"(0.00E+00|5.00E-01|1.56E-02|1.26E+02|-1.26E+02|1.20E+01|1.00E+06)");
    Row(1, 4, R"(0.0000E+00|5.0000E-01|1.5625E-02|1.2650E+02|-1.2650E+02|1.2000E+01|1.0000E+06)");
    Row(1, 8, R"(0.00000000E+00|5.00000000E-01|1.56250000E-02|1.26500000E+02|-1.26500000E+02|)"
              R"(1.20000000E+01|1.00000000E+06)");
    Row(2, 0, R"(0|0|0|126|-126|12|1000000)");
    Row(2, 2, R"(0.00|0.50|0.02|126.50|-126.50|12.00|1000000.00)");
    Row(2, 4, R"(0.0000|0.5000|0.0156|126.5000|-126.5000|12.0000|1000000.0000)");
    Row(2, 8, R"(0.00000000|0.50000000|0.01562500|126.50000000|-126.50000000|12.00000000|)"
              R"(1000000.00000000)");
    Row(3, 0, R"(0"|0"|0"|10'-6"|-10'-6"|1'-0"|83333'-4")");
    Row(3, 2, R"(0.00"|0.50"|0.02"|10'-6.50"|-10'-6.50"|1'-0.00"|83333'-4.00")");
    Row(3, 4, R"(0.0000"|0.5000"|0.0156"|10'-6.5000"|-10'-6.5000"|1'-0.0000"|83333'-4.0000")");
    Row(3, 8, R"(0.00000000"|0.50000000"|0.01562500"|10'-6.50000000"|-10'-6.50000000"|)"
              R"(1'-0.00000000"|83333'-4.00000000")");
    Row(4, 0, R"(0"|0"|0"|10'-6"|-10'-6"|1'-0"|83333'-4")");
    Row(4, 2, R"(0"|1/2"|0"|10'-6 1/2"|-10'-6 1/2"|1'-0"|83333'-4")");
    Row(4, 4, R"(0"|1/2"|0"|10'-6 1/2"|-10'-6 1/2"|1'-0"|83333'-4")");
    Row(4, 8, R"(0"|1/2"|1/64"|10'-6 1/2"|-10'-6 1/2"|1'-0"|83333'-4")");
    Row(5, 0, R"(0"|0"|0"|126"|-126"|12"|1000000")");
    Row(5, 2, R"(0"|1/2"|0"|126 1/2"|-126 1/2"|12"|1000000")");
    Row(5, 4, R"(0"|1/2"|0"|126 1/2"|-126 1/2"|12"|1000000")");
    Row(5, 8, R"(0"|1/2"|1/64"|126 1/2"|-126 1/2"|12"|1000000")");
}

void TestLengthText::formats()
{
    QFETCH(int, lunits);
    QFETCH(int, precision);
    QStringList texts;
    for (const double value : {0.0, 0.5, 1.0 / 64, 126.5, -126.5, 12.0, 1e6})
        texts << QString::fromStdString(LengthText(value, lunits, precision));
    QTEST(texts.join(u'|'), "texts");
}

void TestLengthText::rules_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("lunits");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("area");
    QTest::addColumn<QString>("expected");
    const auto Row = [](const char* name, double value, int lunits, int precision, const char* text)
    { QTest::newRow(name) << value << lunits << precision << false << QString(text); };
    const auto Area = [](const char* name, double value, int lunits, int precision, const char* text)
    { QTest::newRow(name) << value << lunits << precision << true << QString(text); };

    Row("rounding up to 12 inches carries to the next foot", 11.999, 4, 4, R"(1'-0")");
    Row("in engineering too", 23.99999, 3, 4, R"(2'-0.0000")");
    Row("a fraction after whole feet keeps its 0 inches", 120.5, 4, 4, R"(10'-0 1/2")");
    Row("halves round to even, fractions are reduced", 3.0 / 128, 4, 6, R"(1/32")");
    Row("what rounds to zero has no sign, architectural", -0.001, 4, 4, R"(0")");
    Row("what rounds to zero has no sign, engineering", -0.001, 3, 2, R"(0.00")");
    Row("what rounds to zero has no sign, decimal", -0.001, 2, 2, "0.00");
    Row("1e12 at 1/256 is exact", 1e12, 4, 8, R"(83333333333'-4")");
    Row("from 2^53 on, whole inches as the double holds them", std::ldexp(1.0, 60), 4, 8,
        R"(96076792050570581'-4")");
    Row("a denominator above 256 is 256", 1.0 / 1024, 5, 12, R"(0")");
    Row("a negative precision is 0", 0.75, 5, -3, R"(1")");
    Row("a format outside 1 to 5 is decimal", 126.5, 7, 1, "126.5");
    Row("infinity has no feet", -std::numeric_limits<double>::infinity(), 4, 4, "-inf");
    Area("an area in square inches and square feet", 2000, 4, 4,
         "2000.0000 square in. (13.8889 square ft.)");
    Area("a scientific area", 2000, 1, 2, "2.00E+03");
}

void TestLengthText::rules()
{
    QFETCH(double, value);
    QFETCH(int, lunits);
    QFETCH(int, precision);
    QFETCH(bool, area);
    const std::string text =
        area ? AreaText(value, lunits, precision) : LengthText(value, lunits, precision);
    QTEST(QString::fromStdString(text), "expected");
}

void TestLengthText::readsBack()
{
    // Whatever the host or the panel shows in feet and inches, the calculator
    // reads as that length, rounded to the precision.
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-3, 9);
    MyTools::TMyTinyExpr engine;
    for (int i = 0; i < 3000; ++i)
    {
        const double value = (random() % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
        const int lunits = 3 + static_cast<int>(random() % 3);
        const int precision = static_cast<int>(random() % 9);
        const std::string text = LengthText(value, lunits, precision);
        const double step = lunits == 3 ? std::pow(10.0, -precision) : std::ldexp(1.0, -precision);
        std::u16string shown;
        double read = 0;
        try
        {
            engine.GetResult(std::u16string(text.begin(), text.end()), shown, 10, read);
        }
        catch (int code)
        {
            QFAIL(qPrintable(QStringLiteral("%1: error %2").arg(text.c_str()).arg(code)));
        }
        QVERIFY2(std::fabs(read - value) <= step / 2 * (1 + 1e-9) + std::fabs(value) * 1e-15,
                 text.c_str());
    }
}

QTEST_APPLESS_MAIN(TestLengthText)
#include "tst_lengthtext.moc"
