// Prompts: keyword answers, points, and the host's measuring and settings
// commands answering through them.

#include "HostTestSupport.h"

#include <HostUserIO.h>

#include <QTest>
#include <QtMath>

class TestHostUserIO : public QObject
{
    Q_OBJECT

private slots:
    void composePrompt();
    void keyword_data();
    void keyword();
    void point_data();
    void point();
    void measuring_data();
    void measuring();
    void settings_data();
    void settings();
};

namespace
{
CTwKeywordArray angleKeywords()
{
    CTwKeywordArray keywords;
    keywords.push_back(u"_Acute", u"Acute");
    keywords.push_back(u"_Apex", u"Apex");
    keywords.push_back(u"_Obtuse", u"Obtuse");
    return keywords;
}
} // namespace

void TestHostUserIO::composePrompt()
{
    HostRuntime runtime;
    CTwKeywordArray keywords;
    keywords.push_back(u"_Acute", u"Acute");
    keywords.push_back(u"_Obtuse", u"Obtuse");
    CTwUserIO& io = runtime.userIO();
    QCOMPARE(QString(io.ComposePrompt(u"Specify angle to measure", keywords)),
             QString("Specify angle to measure [Acute/Obtuse]:"));
    // A prompt that already ends with a colon does not get a second one.
    QCOMPARE(QString(io.ComposePrompt(u"Pick one: ", CTwKeywordArray())), QString("Pick one:"));
}

void TestHostUserIO::keyword_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("defaultIndex");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("global");
    QTest::addColumn<int>("refused");

    QTest::newRow("the local keyword") << QStringList{"Obtuse"} << 0 << 5100 << "_Obtuse" << 0;
    QTest::newRow("the local keyword ignoring case")
        << QStringList{"oBTUSE"} << 0 << 5100 << "_Obtuse" << 0;
    QTest::newRow("the global name") << QStringList{"_acute"} << 0 << 5100 << "_Acute" << 0;
    QTest::newRow("an unambiguous prefix") << QStringList{"ob"} << 0 << 5100 << "_Obtuse" << 0;
    QTest::newRow("a longer prefix settles what a shorter leaves open")
        << QStringList{"A", "Ac"} << 0 << 5100 << "_Acute" << 1;
    QTest::newRow("an unknown keyword asks again")
        << QStringList{"Right", "Apex"} << 0 << 5100 << "_Apex" << 1;
    QTest::newRow("an empty answer without default asks again")
        << QStringList{"", "Acute"} << 0 << 5100 << "_Acute" << 1;
    QTest::newRow("an empty answer picks the default")
        << QStringList{""} << 3 << 5100 << "_Obtuse" << 0;
    QTest::newRow("Escape cancels") << QStringList{"^C"} << 0 << -5002 << "" << 0;
    QTest::newRow("running out of script input cancels")
        << QStringList{"Wrong"} << 0 << -5002 << "" << 1;
}

void TestHostUserIO::keyword()
{
    QFETCH(QStringList, answers);
    QFETCH(int, defaultIndex);
    QFETCH(int, status);
    QFETCH(QString, global);
    QFETCH(int, refused);

    HostRuntime runtime;
    runtime.input().enqueue(answers);
    CTwString answer;
    CTwUserIO& io = runtime.userIO();
    const CTwKeywordArray keywords = angleKeywords();
    QCOMPARE(io.GetKeyword(io.ComposePrompt(u"Specify angle", keywords), keywords, answer, 0,
                           defaultIndex),
             status);
    QCOMPARE(QString(answer), global);
    QCOMPARE(runtime.input().rejectedCount(), refused);
    QVERIFY(!runtime.input().hasPending());
}

void TestHostUserIO::point_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QPointF>("point");

    QTest::newRow("x,y") << "3,4" << true << QPointF(3, 4);
    QTest::newRow("spaces around the numbers") << "  -2.5 , +7 " << true << QPointF(-2.5, 7);
    QTest::newRow("exponent and leading point") << "1e2,.5" << true << QPointF(100, 0.5);
    QTest::newRow("semicolon instead of comma") << "3;4" << false << QPointF();
    QTest::newRow("one coordinate") << "3," << false << QPointF();
    QTest::newRow("three coordinates") << "1,2,3" << false << QPointF();
    QTest::newRow("words") << "here" << false << QPointF();
    QTest::newRow("not a number") << "nan,1" << false << QPointF();
    QTest::newRow("too large to be finite") << "1e400,1" << false << QPointF();
    QTest::newRow("decimal comma is not a separator of its own") << "1,5,2" << false << QPointF();
}

void TestHostUserIO::point()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QPointF, point);

    HostRuntime runtime;
    // A malformed point gets a message and the same prompt again.
    runtime.input().enqueue({text, "9,9"});
    QPointF answer;
    QCOMPARE(runtime.userIO().GetPoint(u"Point:", answer), int(kTwNormal));
    QCOMPARE(answer, valid ? point : QPointF(9, 9));
    QCOMPARE(runtime.input().rejectedCount(), valid ? 0 : 1);
}

void TestHostUserIO::measuring_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("perimeter");
    QTest::addColumn<double>("angle");

    QTest::newRow("distance between two points") << QStringList{"GETDISTANCE", "1,1", "4,5"}
                                                 << "Distance = 5.0000" << 5.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("Enter closes the area after three points, not before")
        << QStringList{"GETAREA", "12,0", "16,0", "", "16,3", "12,3", ""}
        << "Area = 12.0000, Perimeter = 14.0000" << 0.0 << 12.0 << 14.0 << 0.0;
    QTest::newRow("angle of lines meeting at 60 degrees")
        << QStringList{"_GETANGLE", "0,0", "10,0", "0,0", "5,8.660254037844386"}
        << "Angle = 60.0000\u00b0" << 0.0 << 0.0 << 0.0 << M_PI / 3;
    QTest::newRow("angle between directions may be obtuse")
        << QStringList{"GETANGLE", "0,0", "1,0", "0,0", "-1,1"} << "Angle = 135.0000\u00b0" << 0.0
        << 0.0 << 0.0 << 3 * M_PI / 4;
    QTest::newRow("parallel lines of one direction give 0")
        << QStringList{"GETANGLE", "0,0", "1,1", "5,0", "7,2"} << "Angle = 0.0000\u00b0" << 0.0
        << 0.0 << 0.0 << 0.0;
    QTest::newRow("opposite directions give pi")
        << QStringList{"GETANGLE", "0,0", "1,0", "0,1", "-3,1"} << "Angle = 180.0000\u00b0" << 0.0
        << 0.0 << 0.0 << M_PI;
    QTest::newRow("a line needs two different points")
        << QStringList{"GETANGLE", "0,0", "0,0", "0,1", "0,0", "1,0"} << "Angle = 90.0000\u00b0"
        << 0.0 << 0.0 << 0.0 << M_PI / 2;
}

void TestHostUserIO::measuring()
{
    QFETCH(QStringList, script);
    QFETCH(QString, printed);
    QFETCH(double, distance);
    QFETCH(double, area);
    QFETCH(double, perimeter);
    QFETCH(double, angle);

    HostRuntime runtime;
    runtime.openSampleDrawing();
    runtime.input().enqueue(script);
    QTRY_VERIFY(runtime.processor().isQuiet());
    QCOMPARE(runtime.commandLine().messages().last(), printed);
    const OdDbDatabasePtr db = ACTIVE_DOCUMENT()->GetDatabase();
    QCOMPARE(db->getLastDistance(), distance);
    QCOMPARE(db->getLastArea(), area);
    QCOMPARE(db->getLastPerimeter(), perimeter);
    QVERIFY(qAbs(db->getLastAngle() - angle) < 1e-12);
}

void TestHostUserIO::settings_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("luprec");
    QTest::addColumn<int>("aunits");
    QTest::addColumn<int>("refused");

    QTest::newRow("LUPREC takes 0 to 8") << QStringList{"LUPREC", "8"} << 8 << 0 << 0;
    QTest::newRow("LUPREC refuses 9 and asks again")
        << QStringList{"luprec", "9", "2"} << 2 << 0 << 1;
    QTest::newRow("Enter keeps the value") << QStringList{"LUPREC", ""} << 4 << 0 << 0;
    QTest::newRow("AUNITS takes 4") << QStringList{"_AUNITS", "4"} << 4 << 4 << 0;
    QTest::newRow("AUNITS refuses -1 and text")
        << QStringList{"AUNITS", "-1", "two", "2"} << 4 << 2 << 2;
    QTest::newRow("Escape leaves the setting as it was")
        << QStringList{"AUNITS", "^C"} << 4 << 0 << 0;
}

void TestHostUserIO::settings()
{
    QFETCH(QStringList, script);
    QFETCH(int, luprec);
    QFETCH(int, aunits);
    QFETCH(int, refused);

    HostRuntime runtime;
    runtime.newDrawing();
    runtime.input().enqueue(script);
    QTRY_VERIFY(runtime.processor().isQuiet());
    const OdDbDatabasePtr db = ACTIVE_DOCUMENT()->GetDatabase();
    QCOMPARE(int(db->getLUPREC()), luprec);
    QCOMPARE(int(db->getAUNITS()), aunits);
    QCOMPARE(runtime.input().rejectedCount(), refused);
}

QTEST_MAIN(TestHostUserIO)
#include "tst_hostuserio.moc"
