// The angle formatter in every angular unit, and its use of the drawing's
// settings.

#include "HostTestSupport.h"

#include <HostUserIO.h>
#include <UnitFormatter.h>

#include <QTest>
#include <QtMath>

class TestUnitFormatter : public QObject
{
    Q_OBJECT

private slots:
    void formatAngle_data();
    void formatAngle();
    void drawingSettings();
};

void TestUnitFormatter::formatAngle_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("dropZeros");
    QTest::addColumn<bool>("isAngle");
    QTest::addColumn<QString>("text");

    QTest::newRow("decimal degrees keep trailing zeros")
        << 60.0 << 0 << 4 << false << true << "60.0000";
    QTest::newRow("decimal degrees may drop them") << 60.0 << 0 << 4 << true << true << "60";
    QTest::newRow("a tiny negative angle shows no minus sign")
        << -1e-9 << 0 << 4 << false << true << "0.0000";
    QTest::newRow("dms at precision 0 shows degrees") << 30.6 << 1 << 0 << false << true << "31d";
    QTest::newRow("dms at precision 1 shows minutes")
        << 30.5 << 1 << 1 << false << true << "30d30'";
    QTest::newRow("dms at precision 2 shows minutes")
        << 30.5 << 1 << 2 << false << true << "30d30'";
    QTest::newRow("dms at precision 3 shows seconds")
        << 30.5125 << 1 << 3 << false << true << "30d30'45\"";
    QTest::newRow("dms at precision 4 shows seconds")
        << 30.5125 << 1 << 4 << false << true << "30d30'45\"";
    QTest::newRow("dms never prints 60 seconds")
        << 59.99999 << 1 << 4 << false << true << "60d0'0\"";
    QTest::newRow("dms beyond 4 gives decimals of seconds")
        << 10.000125 << 1 << 6 << false << true << "10d0'0.45\"";
    QTest::newRow("dms keeps the sign") << -45.5 << 1 << 4 << false << true << "-45d30'0\"";
    QTest::newRow("grads") << 90.0 << 2 << 4 << false << true << "100.0000g";
    QTest::newRow("radians") << 90.0 << 3 << 4 << false << true << "1.5708r";
    QTest::newRow("surveyor's angle is decimal degrees")
        << 60.0 << 4 << 4 << false << true << "60.0000";
    QTest::newRow("surveyor's direction north-east")
        << 60.0 << 4 << 4 << false << false << "N 30d0'0\" E";
    QTest::newRow("surveyor's direction north-west")
        << 120.0 << 4 << 4 << false << false << "N 30d0'0\" W";
    QTest::newRow("surveyor's direction south-west")
        << 240.0 << 4 << 4 << false << false << "S 30d0'0\" W";
    QTest::newRow("surveyor's direction south-east")
        << -60.0 << 4 << 4 << false << false << "S 30d0'0\" E";
    QTest::newRow("surveyor's due north") << 90.0 << 4 << 4 << false << false << "N";
    QTest::newRow("surveyor's due west") << 180.0 << 4 << 4 << false << false << "W";
    QTest::newRow("an unknown unit falls back to degrees")
        << 45.0 << 9 << 1 << false << true << "45.0";
}

void TestUnitFormatter::formatAngle()
{
    QFETCH(double, degrees);
    QFETCH(int, unit);
    QFETCH(int, precision);
    QFETCH(bool, dropZeros);
    QFETCH(bool, isAngle);
    QFETCH(QString, text);

    QCOMPARE(
        UnitFormatter::formatAngle(qDegreesToRadians(degrees), unit, precision, dropZeros, isAngle),
        text);
}

void TestUnitFormatter::drawingSettings()
{
    HostRuntime runtime;
    CTwUnitFormatter* pFormat = runtime.userIO().GetUnitFormatter();
    // No drawing: decimal degrees with 4 decimals.
    runtime.documents().closeAll();
    QCOMPARE(QString(pFormat->AngleToText(M_PI / 3)), QString("60.0000"));

    runtime.newDrawing();
    OdDbDatabasePtr db = ACTIVE_DOCUMENT()->GetDatabase();
    db->setAUNITS(2);
    db->setLUPREC(2);
    // -1 takes the drawing's unit or precision.
    QCOMPARE(QString(pFormat->AngleToText(M_PI / 3, -1, 10)), QString("66.6666666667g"));
    QCOMPARE(QString(pFormat->AngleToText(M_PI / 3, 3, -1)), QString("1.05r"));
    // Settings out of range are kept in range.
    db->setLUPREC(99);
    QCOMPARE(int(db->getLUPREC()), 8);
}

QTEST_MAIN(TestUnitFormatter)
#include "tst_unitformatter.moc"
