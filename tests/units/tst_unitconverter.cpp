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

// Each factor is applied as listed, so a result lies within two units in the
// last place of the exact conversion: a factor wrong in its last digit shows.
bool SameToLastDigits(double actual, double expected)
{
    const std::int64_t apart = Ordered(actual) - Ordered(expected);
    return apart >= -2 && apart <= 2;
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
    // rounded to the nearest double.
    Row("inch to centimetre", T::Length, U::Inch, U::Centimeter, 3.0, 7.62);
    Row("metre to yard", T::Length, U::Meter, U::Yard, 6.0, 6.561679790026247);
    Row("inch to millimetre", T::Length, U::Inch, U::Millimeter, 10.0, 254.0);
    Row("metre to mile", T::Length, U::Meter, U::Mile, 2003.0, 1.24460649805138);
    Row("kilometre to foot", T::Length, U::Kilometer, U::Foot, 0.06096, 199.99999999999858);
    Row("yard to centimetre", T::Length, U::Yard, U::Centimeter, 2.0778652668, 189.999999996192);
    Row("inch to foot", T::Length, U::Inch, U::Foot, 162.0, 13.499999999999904);
    Row("millimetre to mile", T::Length, U::Millimeter, U::Mile, 1609344.0, 1.0);
    Row("metre to inch", T::Length, U::Meter, U::Inch, 0.127, 4.99999999998);
    Row("sq foot to sq yard", T::Area, U::Foot, U::Yard, 5.0, 0.5555555555555635);
    Row("sq metre to sq centimetre", T::Area, U::Meter, U::Centimeter, 2.3, 23000.0);
    Row("sq kilometre to sq mile", T::Area, U::Kilometer, U::Mile, 5.0, 1.9305107927122291);
    Row("sq mile to hectare", T::Area, U::Mile, U::Hectare, 8.0, 2071.9904882688);
    Row("acre to sq kilometre", T::Area, U::Acre, U::Kilometer, 1046.0, 4.23301181783032);
    Row("hectare to sq kilometre", T::Area, U::Hectare, U::Kilometer, 10000.0, 100.0);
    Row("sq metre to sq yard", T::Area, U::Meter, U::Yard, 104.51592, 125.0);
    Row("sq inch to sq centimetre", T::Area, U::Inch, U::Centimeter, 2.7822555645,
        17.9499999999282);
    Row("cu centimetre to cu foot", T::Volume, U::Centimeter, U::Foot, 500000.0,
        17.657333360743905);
    Row("negative cu feet lose their sign", T::Volume, U::Foot, U::Meter, -845.0, 23.9277353702405);
    Row("cu inch to cu centimetre", T::Volume, U::Inch, U::Centimeter, 12.0, 196.64476799999997);
    Row("cu foot to cu mile", T::Volume, U::Foot, U::Mile, 1839973594.2, 0.012499994525739307);
    Row("cu metre to cu yard", T::Volume, U::Meter, U::Yard, 1039.7946069, 1360.0000000546195);
    Row("cu kilometre to cu inch", T::Volume, U::Kilometer, U::Inch, 0.000001573158144,
        95999999.99884807);
    Row("degree to radian", T::Angular, U::Degree, U::Radian, 85.0, 1.4835298641951802);
    Row("circle to degree", T::Angular, U::Circle, U::Degree, 2.864, 1031.04);
    Row("radian to grad", T::Angular, U::Radian, U::Grad, 47.1945, 3004.4951847001817);
    Row("grad to circle", T::Angular, U::Grad, U::Circle, 200.0, 0.5);
    Row("radian to circle", T::Angular, U::Radian, U::Circle, 3.0, 0.477464829275686);

    Row("negative angle keeps its sign", T::Angular, U::Degree, U::Radian, -180.0, -M_PI);
    Row("zero length stays zero", T::Length, U::Inch, U::Mile, 0.0, 0.0);
    Row("zero area stays zero", T::Area, U::Acre, U::Hectare, 0.0, 0.0);
    Row("zero volume stays zero", T::Volume, U::Mile, U::Millimeter, 0.0, 0.0);
    Row("zero angle stays zero", T::Angular, U::Radian, U::Grad, 0.0, 0.0);
    Row("angular id as length source is metres", T::Length, U::Radian, U::Centimeter, 2.0, 200.0);
    Row("angular id as length target: metres", T::Length, U::Kilometer, U::Degree, 2.0, 2000.0);
    Row("id -1 as volume source is cubic metres", T::Volume, static_cast<U>(-1), U::Centimeter, 1.0,
        1e6);
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

    const double actual = UnitConverter(type, from, to, value).Convert();
    QVERIFY2(SameToLastDigits(actual, expected), qPrintable(QString::number(actual, 'g', 17)));
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
    QCOMPARE(length.Convert(), 150.0);
    QCOMPARE(length.value, 150.0);
    QCOMPARE(length.Convert(), 15000.0);

    UnitConverter angle(T::Angular, U::Circle, U::Degree, 0.5);
    angle.Convert();
    QCOMPARE(angle.Convert(), 64800.0);
}

void TestUnitConverter::unitAtPosition_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<UnitId>("id");
    QTest::addColumn<QString>("text"); // empty: no entry at that position

    QTest::newRow("length opens on millimetres, spelt as users know it")
        << T::Length << 0 << U::Millimeter << "Milimeters";
    QTest::newRow("length lists inches before metres") << T::Length << 2 << U::Inch << "Inches";
    QTest::newRow("length position 5 is the metre") << T::Length << 5 << U::Meter << "Meters";
    QTest::newRow("area position 8 is the acre") << T::Area << 8 << U::Acre << "Acres";
    QTest::newRow("area ends with the hectare, spelt as users know it")
        << T::Area << 9 << U::Hectare << "Hectar";
    QTest::newRow("angular opens on degrees") << T::Angular << 0 << U::Degree << "Degrees";
    QTest::newRow("angular position 1 is the grad") << T::Angular << 1 << U::Grad << "Grads";
    QTest::newRow("angular position 2 is the radian") << T::Angular << 2 << U::Radian << "Radians";

    QTest::newRow("no angular selection counts as degrees") << T::Angular << -1 << U::Degree << "";
    QTest::newRow("no length selection counts as centimetres")
        << T::Length << -1 << U::Centimeter << "";
    QTest::newRow("area position past the list counts as centimetres")
        << T::Area << 10 << U::Centimeter << "";
    QTest::newRow("unknown type follows the linear positions")
        << static_cast<UnitType>(9) << 5 << U::Meter << "";
}

void TestUnitConverter::unitAtPosition()
{
    QFETCH(UnitType, type);
    QFETCH(int, position);
    QFETCH(UnitId, id);
    QFETCH(QString, text);

    QCOMPARE(UnitIdAt(type, position), id);
    if (text.isEmpty())
        return;
    const UnitEntry& entry = UnitsOf(type)[static_cast<std::size_t>(position)];
    QCOMPARE(entry.id, id);
    QCOMPARE(QString::fromUtf8(entry.text), text);
}

void TestUnitConverter::catalogueListsAreConsistent()
{
    // The type list position is the UnitType value the converter expects.
    const auto types = UnitTypes();
    QCOMPARE(types.size(), std::size(kAllTypes));
    for (std::size_t i = 0; i < types.size(); ++i)
        QCOMPARE(types[i].type, kAllTypes[i]);

    // Length and volume offer area's units in area's order, less the acre and
    // the hectare; angles only angular ids; no list repeats an id.
    const auto areas = UnitsOf(T::Area);
    QCOMPARE(areas.size(), std::size_t{10});
    QCOMPARE(UnitsOf(T::Angular).size(), std::size_t{4});
    for (UnitType type : {T::Length, T::Volume})
    {
        const auto units = UnitsOf(type);
        QCOMPARE(units.size(), std::size_t{8});
        for (std::size_t i = 0; i < units.size(); ++i)
            QCOMPARE(units[i].id, areas[i].id);
    }
    for (UnitType type : kAllTypes)
    {
        std::set<UnitId> seen;
        for (const UnitEntry& entry : UnitsOf(type))
        {
            QCOMPARE(entry.id >= U::Degree && entry.id <= U::Grad, type == T::Angular);
            QVERIFY(seen.insert(entry.id).second);
        }
    }
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
