#include "UnitCatalogue.h"
#include "UnitConverter.h"
#include "UnitValueText.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <set>

Q_DECLARE_METATYPE(UnitType)
Q_DECLARE_METATYPE(UnitId)

namespace
{

using T = UnitType;
using U = UnitId;

// Doubles in order as integers: the difference counts the representable values
// between two doubles of the same sign (units in the last place).
std::int64_t Ordered(double x)
{
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? INT64_MIN - bits : bits;
}

const UnitType kAllTypes[] = {T::Length, T::Area, T::Volume, T::Angular};

} // namespace

class TestUnitConverter : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void unitIntoItself_data();
    void unitIntoItself();
    void convertingTwiceConvertsTheResult();
    void unitAtPosition_data();
    void unitAtPosition();
    void catalogueListsAreConsistent();
    void valueTexts_data();
    void valueTexts();
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
    // direction; unitIntoItself holds the other direction to it.
    Row("inch to centimetre", T::Length, U::Inch, U::Centimeter, 3.0, 7.62);
    Row("metre to yard", T::Length, U::Meter, U::Yard, 6.0, 6.561679790026247);
    Row("kilometre to foot", T::Length, U::Kilometer, U::Foot, 0.06096, 199.99999999999858);
    Row("millimetre to mile", T::Length, U::Millimeter, U::Mile, 1609344.0, 1.0);
    Row("sq mile to hectare", T::Area, U::Mile, U::Hectare, 8.0, 2071.9904882688);
    Row("acre to sq kilometre", T::Area, U::Acre, U::Kilometer, 1046.0, 4.23301181783032);
    Row("cu centimetre to cu foot", T::Volume, U::Centimeter, U::Foot, 500000.0,
        17.657333360743905);
    Row("negative cu feet lose their sign", T::Volume, U::Foot, U::Meter, -845.0, 23.9277353702405);
    Row("zero volume stays zero", T::Volume, U::Mile, U::Millimeter, 0.0, 0.0);
    Row("degree to radian", T::Angular, U::Degree, U::Radian, 85.0, 1.4835298641951802);
    Row("circle to degree", T::Angular, U::Circle, U::Degree, 2.864, 1031.04);
    Row("radian to grad", T::Angular, U::Radian, U::Grad, 47.1945, 3004.4951847001817);
    Row("negative angle keeps its sign", T::Angular, U::Degree, U::Radian, -180.0, -M_PI);

    Row("angular id as length source is metres", T::Length, U::Radian, U::Centimeter, 2.0, 200.0);
    Row("angular id as length target: metres", T::Length, U::Kilometer, U::Degree, 2.0, 2000.0);
    Row("type outside 0-3 is length, sign lost", static_cast<T>(7), U::Meter, U::Centimeter, -3.0,
        300.0);
    Row("linear id as angle source is degrees", T::Angular, U::Meter, U::Radian, 180.0, M_PI);
    Row("linear id as angle target: degrees", T::Angular, U::Circle, U::Mile, -0.5, -180.0);
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

void TestUnitConverter::unitIntoItself_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<UnitId>("unit");
    QTest::addColumn<double>("factor");

    // The inch goes in with 0.0254 and out with 39.37007874, which are not
    // inverses; every other unit comes back as it went in.
    for (UnitType type : kAllTypes)
    {
        for (const UnitEntry& entry : UnitsOf(type))
        {
            const int power = type == T::Area ? 2 : type == T::Volume ? 3 : 1;
            const double factor = entry.id == U::Inch ? std::pow(0.999999999996, power) : 1.0;
            QTest::addRow("%s into itself", entry.text) << type << entry.id << factor;
        }
    }
}

void TestUnitConverter::unitIntoItself()
{
    QFETCH(UnitType, type);
    QFETCH(UnitId, unit);
    QFETCH(double, factor);

    for (double value : {1.0, 2.5, 1234.5678})
    {
        const double actual = UnitConverter(type, unit, unit, value).Convert();
        // Tight enough to tell 0.999999999996 from 1.
        QVERIFY2(std::fabs(actual - value * factor) <= 1e-14 * value,
                 qPrintable(QString::number(actual, 'g', 17)));
    }
}

void TestUnitConverter::convertingTwiceConvertsTheResult()
{
    UnitConverter length(T::Length, U::Meter, U::Centimeter, 1.5);
    length.Convert();
    QCOMPARE(length.Convert(), 15000.0);
    UnitConverter angle(T::Angular, U::Circle, U::Degree, 0.5);
    angle.Convert();
    QCOMPARE(angle.Convert(), 64800.0);
}

void TestUnitConverter::unitAtPosition_data()
{
    // The texts at each position are held by the translation catalogue.
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<UnitId>("id");

    QTest::newRow("length opens on millimetres") << T::Length << 0 << U::Millimeter;
    QTest::newRow("length lists inches before metres") << T::Length << 2 << U::Inch;
    QTest::newRow("area ends with the hectare") << T::Area << 9 << U::Hectare;
    QTest::newRow("angular lists grads before radians") << T::Angular << 1 << U::Grad;
    QTest::newRow("no angular selection counts as degrees") << T::Angular << -1 << U::Degree;
    QTest::newRow("no length selection counts as centimetres") << T::Length << -1 << U::Centimeter;
    QTest::newRow("area position past the list counts as centimetres")
        << T::Area << 10 << U::Centimeter;
    QTest::newRow("unknown type follows the linear positions")
        << static_cast<UnitType>(9) << 5 << U::Meter;
}

void TestUnitConverter::unitAtPosition()
{
    QFETCH(UnitType, type);
    QFETCH(int, position);
    QFETCH(UnitId, id);
    QCOMPARE(UnitIdAt(type, position), id);
}

void TestUnitConverter::catalogueListsAreConsistent()
{
    // The type list position is the UnitType value the converter expects.
    const auto types = UnitTypes();
    QCOMPARE(types.size(), std::size(kAllTypes));
    for (std::size_t i = 0; i < types.size(); ++i)
        QCOMPARE(types[i].type, kAllTypes[i]);

    // What a list shows at a position is what the converter is given for it;
    // angles list only angular ids; no list repeats an id.
    for (UnitType type : kAllTypes)
    {
        std::set<UnitId> seen;
        const auto units = UnitsOf(type);
        for (std::size_t i = 0; i < units.size(); ++i)
        {
            QCOMPARE(UnitIdAt(type, int(i)), units[i].id);
            QCOMPARE(units[i].id >= U::Degree && units[i].id <= U::Grad, type == T::Angular);
            QVERIFY(seen.insert(units[i].id).second);
        }
    }
    QCOMPARE(UnitsOf(T::Length).size(), std::size_t{8});
    QCOMPARE(UnitsOf(T::Area).size(), std::size_t{10});
    QVERIFY(UnitsOf(static_cast<UnitType>(4)).empty());
}

void TestUnitConverter::valueTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("exact");

    const auto Row = [](const char* name, double value, const char* shown, const char* exact)
    { QTest::newRow(name) << value << QString(shown) << QString(exact); };

    Row("whole number loses point and zeros", 100.0, "100", "100");
    Row("ten decimals, rounded", 1.4835298641951802, "1.4835298642", "1.4835298641951802");
    Row("below half the tenth decimal shows as zero", 4e-11, "0", "4e-11");
    Row("large values: shown in full, exact in the shorter form", 96e6, "96000000", "9.6e+07");
}

void TestUnitConverter::valueTexts()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(QString, exact);

    QCOMPARE(QString::fromStdString(ConvertedValueText(value)), shown);
    QCOMPARE(QString::fromStdString(ExactValueText(value)), exact);
}

QTEST_APPLESS_MAIN(TestUnitConverter)
#include "tst_unitconverter.moc"
