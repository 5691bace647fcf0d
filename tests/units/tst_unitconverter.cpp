#include "LengthText.h"
#include "TMyTinyExpr.h"
#include "UnitCatalogue.h"
#include "UnitConverter.h"
#include "UnitValueText.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

Q_DECLARE_METATYPE(UnitType)
Q_DECLARE_METATYPE(UnitId)
Q_DECLARE_METATYPE(ConversionStatus)

namespace
{

using T = UnitType;
using U = UnitId;
using S = ConversionStatus;

// Doubles in order as integers: the difference counts the representable values
// between two doubles of the same sign (units in the last place).
std::int64_t Ordered(double x)
{
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? INT64_MIN - bits : bits;
}

} // namespace

class TestUnitConverter : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void catalogue();
    void valueText_data();
    void valueText();
    void lengthFormats_data();
    void lengthFormats();
    void lengthRules_data();
    void lengthRules();
    void lengthTextReadsBack();
};

void TestUnitConverter::conversions_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<UnitId>("from");
    QTest::addColumn<UnitId>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const auto Row = [](const char* name, T type, U from, U to, double value, double expected)
    { QTest::newRow(name) << type << from << to << value << expected; };

    // expected: the conversion worked out exactly with the listed factors,
    // rounded to the nearest double. Each unit's factor shows here in one
    // direction; catalogue() holds the other direction to it.
    Row("inch to centimetre", T::Length, U::Inch, U::Centimeter, 3.0, 7.62);
    Row("metre to yard", T::Length, U::Meter, U::Yard, 6.0, 6.561679790026247);
    Row("kilometre to foot", T::Length, U::Kilometer, U::Foot, 0.06096, 199.99999999999858);
    Row("millimetre to mile", T::Length, U::Millimeter, U::Mile, 1609344.0, 1.0);
    Row("sq mile to hectare", T::Area, U::Mile, U::Hectare, 8.0, 2071.9904882688);
    Row("acre to sq kilometre", T::Area, U::Acre, U::Kilometer, 1046.0, 4.23301181783032);
    Row("cu cm to cu foot", T::Volume, U::Centimeter, U::Foot, 500000.0, 17.657333360743905);
    Row("negative cu feet lose their sign", T::Volume, U::Foot, U::Meter, -845.0, 23.9277353702405);
    Row("degree to radian", T::Angular, U::Degree, U::Radian, 85.0, 1.4835298641951802);
    Row("circle to degree", T::Angular, U::Circle, U::Degree, 2.864, 1031.04);
    Row("radian to grad", T::Angular, U::Radian, U::Grad, 47.1945, 3004.4951847001817);
    Row("negative angle keeps its sign", T::Angular, U::Degree, U::Radian, -180.0, -M_PI);
}

void TestUnitConverter::conversions()
{
    QFETCH(UnitType, type);
    QFETCH(UnitId, from);
    QFETCH(UnitId, to);
    QFETCH(double, value);
    QFETCH(double, expected);

    // Each factor is applied as listed, so a result lies within two units in
    // the last place of the exact conversion: a factor wrong in its last digit
    // shows.
    const double actual = UnitConverter(type, from, to, value).Convert();
    QVERIFY2(std::abs(Ordered(actual) - Ordered(expected)) <= 2,
             qPrintable(QString::number(actual, 'g', 17)));
}

void TestUnitConverter::catalogue()
{
    // What a list shows at a position is what the converter is given for it,
    // and angles list only angular ids. Each unit converts into itself but the
    // inch, which goes in with 0.0254 and out with 39.37007874: not inverses.
    for (const UnitTypeEntry& type : UnitTypes())
    {
        const int power = type.type == T::Area ? 2 : type.type == T::Volume ? 3 : 1;
        const auto units = UnitsOf(type.type);
        for (std::size_t i = 0; i < units.size(); ++i)
        {
            const U id = units[i].id;
            QCOMPARE(UnitIdAt(type.type, int(i)), id);
            QCOMPARE(id >= U::Degree, type.type == T::Angular);
            const double factor = id == U::Inch ? std::pow(0.999999999996, power) : 1.0;
            const double actual = UnitConverter(type.type, id, id, 1234.5678).Convert();
            // Tight enough to tell 0.999999999996 from 1.
            QVERIFY2(std::fabs(actual - 1234.5678 * factor) <= 1e-14 * 1234.5678, units[i].text);
        }
    }
}

void TestUnitConverter::valueText_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<UnitId>("from");
    QTest::addColumn<UnitId>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<ConversionStatus>("status");
    QTest::addColumn<QString>("shown");
    const auto Row = [](const char* name, T type, U from, U to, const QString& text, S status,
                        const char* shown = "")
    { QTest::newRow(name) << type << from << to << text << status << QString(shown); };
    const auto Angle = [&](const char* name, const QString& text, S status, const char* shown = "")
    { Row(name, T::Angular, U::Degree, U::Grad, text, status, shown); };

    Angle("ten decimals, the last rounded", "200", S::Converted, "222.2222222222");
    Angle("a negative angle keeps its sign", "-9", S::Converted, "-10");
    Angle("a plus sign is taken", "+9", S::Converted, "10");
    Angle("a decimal comma is the point", "4,5", S::Converted, "5");
    Angle("a point may start the number", "-.9", S::Converted, "-1");
    Angle("the point may end the number", "9.", S::Converted, "10");
    Angle("an upper-case exponent with a sign, after a comma", "9,0E-1", S::Converted, "1");
    Angle("below half the tenth decimal is 0, never -0", "-4e-11", S::Converted, "0");
    Angle("below the smallest double is 0", "1e-400", S::Converted, "0");
    Angle("400 zero decimals, then a digit, is 0", "0." + QString(400, '0') + "1", S::Converted,
          "0");
    Row("a negative length keeps its sign", T::Length, U::Meter, U::Centimeter, "-5", S::Converted,
        "-500");
    Row("feet and inches in feet", T::Length, U::Foot, U::Foot, "5'-6 1/2\"", S::Converted,
        "5.5416666667");
    Row("feet and inches in inches, signed, with a decimal comma", T::Length, U::Inch,
        U::Millimeter, "-2,5'", S::Converted, "-762");
    Row("the start of feet and inches is incomplete", T::Length, U::Foot, U::Foot, "5'-6 1/",
        S::Incomplete);
    Row("feet and inches only from feet or inches", T::Length, U::Meter, U::Foot, "5'",
        S::NotANumber);
    Row("feet beyond a double", T::Length, U::Foot, U::Meter, QString(400, '9') + "'", S::TooLarge);

    Angle("nothing typed is no value", "", S::Empty);
    Angle("a sign and a comma are a start", "-,", S::Incomplete);
    Angle("an exponent without digits is a start", "1e", S::Incomplete);
    Angle("an exponent's sign without digits is a start", "1E+", S::Incomplete);

    Angle("two signs", "--5", S::NotANumber);
    Row("two marks", T::Length, U::Inch, U::Foot, "5''", S::NotANumber);
    Angle("an exponent without a number", "e5", S::NotANumber);
    Angle("a point and a comma", "1,234.5", S::NotANumber);
    Angle("letters, infinity spelt out among them", "inf", S::NotANumber);

    Angle("400 digits are beyond a double", QString(400, '9'), S::TooLarge);
    Angle("an exponent beyond a double", "1e400", S::TooLarge);
    Angle("an exponent too long for any integer", "1e99999999999999999999", S::TooLarge);
    Row("a result beyond a double", T::Volume, U::Kilometer, U::Millimeter, "1e300", S::TooLarge);
}

void TestUnitConverter::valueText()
{
    QFETCH(UnitType, type);
    QFETCH(UnitId, from);
    QFETCH(UnitId, to);
    QFETCH(QString, text);
    const Conversion conversion = ConvertValueText(type, from, to, text.toStdU16String());
    QTEST(conversion.status, "status");
    QTEST(QString::fromStdString(conversion.text), "shown");
}

void TestUnitConverter::lengthFormats_data()
{
    QTest::addColumn<int>("lunits");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("texts"); // of 0, 0.5, 1/64, 126.5, -126.5, 12, 1e6, '|' between
    const auto Row = [](int lunits, int precision, const char* texts) {
        QTest::addRow("format %d, precision %d", lunits, precision) << lunits << precision << texts;
    };

    Row(1, 0, R"(0E+00|5E-01|2E-02|1E+02|-1E+02|1E+01|1E+06)");
    Row(1, 2, R"(0.00E+00|5.00E-01|1.56E-02|1.26E+02|-1.26E+02|1.20E+01|1.00E+06)");
    Row(1, 4, R"(0.0000E+00|5.0000E-01|1.5625E-02|1.2650E+02|-1.2650E+02|1.2000E+01|1.0000E+06)");
    Row(2, 0, R"(0|0|0|126|-126|12|1000000)");
    Row(2, 2, R"(0.00|0.50|0.02|126.50|-126.50|12.00|1000000.00)");
    Row(2, 4, R"(0.0000|0.5000|0.0156|126.5000|-126.5000|12.0000|1000000.0000)");
    Row(3, 0, R"(0"|0"|0"|10'-6"|-10'-6"|1'-0"|83333'-4")");
    Row(3, 2, R"(0.00"|0.50"|0.02"|10'-6.50"|-10'-6.50"|1'-0.00"|83333'-4.00")");
    Row(3, 4, R"(0.0000"|0.5000"|0.0156"|10'-6.5000"|-10'-6.5000"|1'-0.0000"|83333'-4.0000")");
    Row(3, 8,
        R"(0.00000000"|0.50000000"|0.01562500"|10'-6.50000000"|-10'-6.50000000"|)"
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

void TestUnitConverter::lengthFormats()
{
    QFETCH(int, lunits);
    QFETCH(int, precision);
    QStringList texts;
    for (const double value : {0.0, 0.5, 1.0 / 64, 126.5, -126.5, 12.0, 1e6})
        texts << QString::fromStdString(LengthText(value, lunits, precision));
    QTEST(texts.join(u'|'), "texts");
}

void TestUnitConverter::lengthRules_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("lunits");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("area");
    QTest::addColumn<QString>("expected");
    const auto Row = [](const char* name, double value, int lunits, int precision, const char* text)
    { QTest::newRow(name) << value << lunits << precision << false << QString(text); };
    const auto Area =
        [](const char* name, double value, int lunits, int precision, const char* text)
    { QTest::newRow(name) << value << lunits << precision << true << QString(text); };

    Row("rounding up to 12 inches carries to the next foot", 11.999, 4, 4, R"(1'-0")");
    Row("in engineering too", 23.99999, 3, 4, R"(2'-0.0000")");
    Row("a fraction after whole feet keeps its 0 inches", 120.5, 4, 4, R"(10'-0 1/2")");
    Row("halves round to even, fractions are reduced", 5.0 / 128, 4, 6, R"(1/32")");
    Row("what rounds to zero has no sign, architectural", -0.001, 4, 4, R"(0")");
    Row("what rounds to zero has no sign, engineering", -0.001, 3, 2, R"(0.00")");
    Row("1e12 at 1/256 is exact", 1e12, 4, 8, R"(83333333333'-4")");
    Row("from 2^53 on, whole inches as the double holds them", std::ldexp(1.0, 60), 4, 8,
        R"(96076792050570581'-4")");
    Row("a denominator above 256 is 256", 1.0 / 1024, 5, 12, R"(0")");
    Row("a negative precision is 0", 0.75, 5, -3, R"(1")");
    Row("a format outside 1 to 5 is decimal", 126.5, 7, 1, "126.5");
    Row("infinity has no feet", -std::numeric_limits<double>::infinity(), 4, 4, "-inf");
    Area("an area in square inches and square feet", 2000, 4, 4,
         "2000.0000 square in. (13.8889 square ft.)");
}

void TestUnitConverter::lengthRules()
{
    QFETCH(double, value);
    QFETCH(int, lunits);
    QFETCH(int, precision);
    QFETCH(bool, area);
    const std::string text =
        area ? AreaText(value, lunits, precision) : LengthText(value, lunits, precision);
    QTEST(QString::fromStdString(text), "expected");
}

void TestUnitConverter::lengthTextReadsBack()
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
        QVERIFY_THROWS_NO_EXCEPTION(
            engine.GetResult(std::u16string(text.begin(), text.end()), shown, 10, read));
        QVERIFY2(std::fabs(read - value) <= step / 2 * (1 + 1e-9) + std::fabs(value) * 1e-15,
                 text.c_str());
    }
}

QTEST_APPLESS_MAIN(TestUnitConverter)
#include "tst_unitconverter.moc"
