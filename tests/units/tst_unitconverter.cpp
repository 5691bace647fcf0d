#include "UnitCatalogue.h"
#include "UnitConverter.h"
#include "UnitValueText.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>

Q_DECLARE_METATYPE(UnitType)
Q_DECLARE_METATYPE(UnitId)

namespace
{

using T = UnitType;
using U = UnitId;

bool CloseTo(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <=
           relative * (1.0 + std::max(std::fabs(actual), std::fabs(expected)));
}

double Converted(UnitType type, UnitId from, UnitId to, double value)
{
    return UnitConverter(type, from, to, value).Convert();
}

const UnitType kAllTypes[] = {T::Length, T::Area, T::Volume, T::Angular};

} // namespace

class TestUnitConverter : public QObject
{
    Q_OBJECT

private slots:
    void referenceConversions_data();
    void referenceConversions();
    void signAndZero_data();
    void signAndZero();
    void unitIntoItself_data();
    void unitIntoItself();
    void idsOutsideTheCatalogue_data();
    void idsOutsideTheCatalogue();
    void convertWorksInPlace();
    void catalogueAsThePaneOffersIt_data();
    void catalogueAsThePaneOffersIt();
    void catalogueListsAreConsistent();
    void positionFallbacks_data();
    void positionFallbacks();
    void valueTexts_data();
    void valueTexts();
};

void TestUnitConverter::referenceConversions_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<UnitId>("from");
    QTest::addColumn<UnitId>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("metre to centimetre") << T::Length << U::Meter << U::Centimeter << 1.0 << 100.0;
    QTest::newRow("inch to centimetre") << T::Length << U::Inch << U::Centimeter << 3.0 << 7.62;
    QTest::newRow("metre to yard") << T::Length << U::Meter << U::Yard << 6.0 << 6.5616798;
    QTest::newRow("inch to millimetre") << T::Length << U::Inch << U::Millimeter << 10.0 << 254.0;
    QTest::newRow("metre to mile")
        << T::Length << U::Meter << U::Mile << 2003.0 << 1.24460649805138;
    QTest::newRow("kilometre to foot") << T::Length << U::Kilometer << U::Foot << 0.06096 << 200.0;
    QTest::newRow("yard to centimetre")
        << T::Length << U::Yard << U::Centimeter << 2.0778652668 << 190.0;
    QTest::newRow("inch to foot") << T::Length << U::Inch << U::Foot << 162.0 << 13.5;
    QTest::newRow("millimetre to mile")
        << T::Length << U::Millimeter << U::Mile << 1609344.0 << 1.0;
    QTest::newRow("metre to inch") << T::Length << U::Meter << U::Inch << 0.127 << 5.0;

    QTest::newRow("square foot to square yard")
        << T::Area << U::Foot << U::Yard << 5.0 << 0.555555555555;
    QTest::newRow("square metre to square centimetre")
        << T::Area << U::Meter << U::Centimeter << 2.3 << 23000.0;
    QTest::newRow("square kilometre to square mile")
        << T::Area << U::Kilometer << U::Mile << 5.0 << 1.930510792712229;
    QTest::newRow("square mile to hectare") << T::Area << U::Mile << U::Hectare << 8.0 << 2071.9905;
    QTest::newRow("acre to square kilometre")
        << T::Area << U::Acre << U::Kilometer << 1046.0 << 4.233012;
    QTest::newRow("hectare to square kilometre")
        << T::Area << U::Hectare << U::Kilometer << 10000.0 << 100.0;
    QTest::newRow("square metre to square yard")
        << T::Area << U::Meter << U::Yard << 104.51592 << 125.0;
    QTest::newRow("square inch to square centimetre")
        << T::Area << U::Inch << U::Centimeter << 2.7822555645 << 17.95;

    QTest::newRow("cubic centimetre to cubic foot")
        << T::Volume << U::Centimeter << U::Foot << 500000.0 << 17.657333;
    QTest::newRow("negative cubic feet convert as their absolute value")
        << T::Volume << U::Foot << U::Meter << -845.0 << 23.92773537024;
    QTest::newRow("cubic inch to cubic centimetre")
        << T::Volume << U::Inch << U::Centimeter << 12.0 << 196.644768;
    QTest::newRow("cubic foot to cubic mile")
        << T::Volume << U::Foot << U::Mile << 1839973594.2 << 0.0125;
    QTest::newRow("cubic metre to cubic yard")
        << T::Volume << U::Meter << U::Yard << 1039.7946069 << 1360.0;
    QTest::newRow("cubic kilometre to cubic inch")
        << T::Volume << U::Kilometer << U::Inch << 0.000001573158144 << 96000000.0;

    QTest::newRow("degree to radian") << T::Angular << U::Degree << U::Radian << 85.0 << 1.48352986;
    QTest::newRow("circle to degree") << T::Angular << U::Circle << U::Degree << 2.864 << 1031.04;
    QTest::newRow("radian to grad")
        << T::Angular << U::Radian << U::Grad << 47.1945 << 3004.4951847;
    QTest::newRow("grad to circle") << T::Angular << U::Grad << U::Circle << 200.0 << 0.5;
    QTest::newRow("grad to degree") << T::Angular << U::Grad << U::Degree << 400.0 << 360.0;
    QTest::newRow("radian to circle")
        << T::Angular << U::Radian << U::Circle << 3.0 << 0.4774648543;
}

void TestUnitConverter::referenceConversions()
{
    QFETCH(UnitType, type);
    QFETCH(UnitId, from);
    QFETCH(UnitId, to);
    QFETCH(double, value);
    QFETCH(double, expected);

    const double actual = Converted(type, from, to, value);
    QVERIFY2(
        CloseTo(actual, expected, 1e-7),
        qPrintable(
            QStringLiteral("got %1, want %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

void TestUnitConverter::signAndZero_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<UnitId>("from");
    QTest::addColumn<UnitId>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("negative length loses its sign")
        << T::Length << U::Meter << U::Centimeter << -1.0 << 100.0;
    QTest::newRow("negative area loses its sign")
        << T::Area << U::Hectare << U::Kilometer << -10000.0 << 100.0;
    QTest::newRow("negative angle keeps its sign")
        << T::Angular << U::Degree << U::Radian << -180.0 << -3.14159265358979;
    QTest::newRow("negative grads keep their sign")
        << T::Angular << U::Grad << U::Degree << -400.0 << -360.0;
    for (UnitType type : kAllTypes)
    {
        for (const UnitEntry& from : UnitsOf(type))
        {
            for (const UnitEntry& to : UnitsOf(type))
            {
                QTest::addRow("zero stays zero: %s %s to %s",
                              UnitTypes()[static_cast<int>(type)].text, from.text, to.text)
                    << type << from.id << to.id << 0.0 << 0.0;
            }
        }
    }
}

void TestUnitConverter::signAndZero()
{
    QFETCH(UnitType, type);
    QFETCH(UnitId, from);
    QFETCH(UnitId, to);
    QFETCH(double, value);
    QFETCH(double, expected);

    QVERIFY(CloseTo(Converted(type, from, to, value), expected, 1e-12));
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
            double factor = 1.0;
            if (entry.id == U::Inch)
            {
                const int power = type == T::Length ? 1 : type == T::Area ? 2 : 3;
                factor = std::pow(0.999999999996, power);
            }
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
        const double actual = Converted(type, unit, unit, value);
        // Tight enough to tell 0.999999999996 from 1.
        QVERIFY2(
            std::fabs(actual - value * factor) <= 1e-14 * value,
            qPrintable(
                QStringLiteral("%1 became %2").arg(value, 0, 'g', 17).arg(actual, 0, 'g', 17)));
    }
}

void TestUnitConverter::idsOutsideTheCatalogue_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<UnitId>("from");
    QTest::addColumn<UnitId>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("angular id as a length source counts as metres")
        << T::Length << U::Radian << U::Centimeter << 2.0 << 200.0;
    QTest::newRow("angular id as a length target leaves metres")
        << T::Length << U::Kilometer << U::Degree << 2.0 << 2000.0;
    QTest::newRow("unknown id as an area target leaves square metres")
        << T::Area << U::Hectare << static_cast<UnitId>(42) << 1.0 << 10000.0;
    QTest::newRow("negative id as a volume source counts as cubic metres")
        << T::Volume << static_cast<UnitId>(-1) << U::Centimeter << 1.0 << 1000000.0;
    QTest::newRow("type outside 0-3 behaves as length")
        << static_cast<UnitType>(7) << U::Meter << U::Centimeter << -3.0 << 300.0;
    QTest::newRow("linear id as an angular source counts as degrees")
        << T::Angular << U::Meter << U::Radian << 180.0 << 3.14159265358979;
    QTest::newRow("linear id as an angular target leaves degrees")
        << T::Angular << U::Circle << U::Mile << -0.5 << -180.0;
}

void TestUnitConverter::idsOutsideTheCatalogue()
{
    QFETCH(UnitType, type);
    QFETCH(UnitId, from);
    QFETCH(UnitId, to);
    QFETCH(double, value);
    QFETCH(double, expected);

    QVERIFY(CloseTo(Converted(type, from, to, value), expected, 1e-12));
}

void TestUnitConverter::convertWorksInPlace()
{
    UnitConverter converter(T::Length, U::Meter, U::Centimeter, 1.5);
    const double first = converter.Convert();
    QCOMPARE(converter.value, first);
    QVERIFY(CloseTo(first, 150.0, 1e-12));

    // A second call converts the converted value again.
    QVERIFY(CloseTo(converter.Convert(), 15000.0, 1e-12));
    QVERIFY(CloseTo(converter.value, 15000.0, 1e-12));

    UnitConverter angle(T::Angular, U::Circle, U::Degree, 0.5);
    angle.Convert();
    QVERIFY(CloseTo(angle.Convert(), 64800.0, 1e-12));
}

void TestUnitConverter::catalogueAsThePaneOffersIt_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<UnitId>("id");
    QTest::addColumn<QString>("text");

    QTest::newRow("length opens on millimetres, spelt as users know it")
        << T::Length << 8 << 0 << U::Millimeter << "Milimeters";
    QTest::newRow("length position 5 is the metre") << T::Length << 8 << 5 << U::Meter << "Meters";
    QTest::newRow("length lists inches before metres")
        << T::Length << 8 << 2 << U::Inch << "Inches";
    QTest::newRow("area opens on square millimetres")
        << T::Area << 10 << 0 << U::Millimeter << "Square Millimeters";
    QTest::newRow("area position 8 is the acre") << T::Area << 10 << 8 << U::Acre << "Acres";
    QTest::newRow("area ends with the hectare, spelt as users know it")
        << T::Area << 10 << 9 << U::Hectare << "Hectar";
    QTest::newRow("volume opens on cubic millimetres")
        << T::Volume << 8 << 0 << U::Millimeter << "Cubic Milimeters";
    QTest::newRow("volume position 6 is the cubic kilometre")
        << T::Volume << 8 << 6 << U::Kilometer << "Cubic Kilometers";
    QTest::newRow("angular opens on degrees") << T::Angular << 4 << 0 << U::Degree << "Degrees";
    QTest::newRow("angular position 1 is the grad") << T::Angular << 4 << 1 << U::Grad << "Grads";
    QTest::newRow("angular position 2 is the radian")
        << T::Angular << 4 << 2 << U::Radian << "Radians";
}

void TestUnitConverter::catalogueAsThePaneOffersIt()
{
    QFETCH(UnitType, type);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(UnitId, id);
    QFETCH(QString, text);

    const auto units = UnitsOf(type);
    QCOMPARE(static_cast<int>(units.size()), count);
    QCOMPARE(units[static_cast<std::size_t>(position)].id, id);
    QCOMPARE(QString::fromUtf8(units[static_cast<std::size_t>(position)].text), text);
    QCOMPARE(UnitIdAt(type, position), id);
}

void TestUnitConverter::catalogueListsAreConsistent()
{
    // The type list position is the UnitType value the converter expects.
    const auto types = UnitTypes();
    QCOMPARE(static_cast<int>(types.size()), 4);
    for (std::size_t i = 0; i < types.size(); ++i)
        QCOMPARE(static_cast<std::size_t>(types[i].type), i);
    QCOMPARE(QString::fromUtf8(types[3].text), QStringLiteral("Angular"));

    // Length and volume offer the same units as area, in the same order, less
    // the two area-only units; angles only angular ids; no list repeats an id.
    const auto areas = UnitsOf(T::Area);
    for (UnitType type : {T::Length, T::Volume})
    {
        const auto units = UnitsOf(type);
        for (std::size_t i = 0; i < units.size(); ++i)
            QCOMPARE(units[i].id, areas[i].id);
    }
    for (UnitType type : kAllTypes)
    {
        std::set<UnitId> seen;
        for (const UnitEntry& entry : UnitsOf(type))
        {
            const bool angular = entry.id >= U::Degree && entry.id <= U::Grad;
            QCOMPARE(angular, type == T::Angular);
            QVERIFY(seen.insert(entry.id).second);
        }
    }
    QVERIFY(UnitsOf(static_cast<UnitType>(4)).empty());
}

void TestUnitConverter::positionFallbacks_data()
{
    QTest::addColumn<UnitType>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<UnitId>("id");

    QTest::newRow("no angular selection counts as degrees") << T::Angular << -1 << U::Degree;
    QTest::newRow("angular position past the list counts as degrees")
        << T::Angular << 4 << U::Degree;
    QTest::newRow("no length selection counts as centimetres") << T::Length << -1 << U::Centimeter;
    QTest::newRow("area position past the list counts as centimetres")
        << T::Area << 10 << U::Centimeter;
    QTest::newRow("unknown type follows the linear positions")
        << static_cast<UnitType>(9) << 5 << U::Meter;
}

void TestUnitConverter::positionFallbacks()
{
    QFETCH(UnitType, type);
    QFETCH(int, position);
    QFETCH(UnitId, id);

    QCOMPARE(UnitIdAt(type, position), id);
}

void TestUnitConverter::valueTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("exact");

    QTest::newRow("whole number loses point and zeros") << 100.0 << "100"
                                                        << "100";
    QTest::newRow("trailing zeros go, inner digits stay") << 7.62 << "7.62"
                                                          << "7.62";
    QTest::newRow("ten decimals, rounded") << 1.4835298641951802 << "1.4835298642"
                                           << "1.4835298641951802";
    QTest::newRow("zero") << 0.0 << "0"
                          << "0";
    QTest::newRow("below half a unit in the tenth decimal shows as zero") << 4e-11 << "0"
                                                                          << "4e-11";
    QTest::newRow("negative angle keeps its minus") << -3.5 << "-3.5"
                                                    << "-3.5";
    QTest::newRow("shown text writes large values out in full, exact text takes the shorter form")
        << 96000000.0 << "96000000"
        << "9.6e+07";
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
