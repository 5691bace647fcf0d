// Prompts: keyword answers, points, and the host's measuring and settings
// commands answering through them; how lengths and angles are printed.

#include "HostTestSupport.h"

#include <HostUserIO.h>
#include <UnitFormatter.h>

#include <QFile>
#include <QTest>
#include <QXmlStreamReader>
#include <QtMath>

class TestHostUserIO : public QObject
{
    Q_OBJECT

private slots:
    void keyword_data();
    void keyword();
    void shippedKeywords_data();
    void shippedKeywords();
    void point_data();
    void point();
    void measuring_data();
    void measuring();
    void settings_data();
    void settings();
    void formatAngle_data();
    void formatAngle();
    void drawingSettings();
};

void TestHostUserIO::keyword_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("defaultIndex");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("global");
    QTest::addColumn<int>("refused");

    QTest::newRow("the shortcut, the capitals shown, ignoring case")
        << QStringList{"sp"} << 0 << 5100 << "_Acute" << 0;
    QTest::newRow("a shortcut inside the word") << QStringList{"X"} << 0 << 5100 << "_Exit" << 0;
    QTest::newRow("a longer prefix that takes in the shortcut")
        << QStringList{"stu"} << 0 << 5100 << "_Obtuse" << 0;
    QTest::newRow("a prefix short of the shortcut answers nothing")
        << QStringList{"S", "e", "Spi"} << 0 << 5100 << "_Acute" << 2;
    QTest::newRow("the whole local keyword") << QStringList{"stumpf"} << 0 << 5100 << "_Obtuse"
                                             << 0;
    QTest::newRow("the global name") << QStringList{"_acute"} << 0 << 5100 << "_Acute" << 0;
    QTest::newRow("an unknown keyword asks again")
        << QStringList{"Right", "eXit"} << 0 << 5100 << "_Exit" << 1;
    QTest::newRow("an empty answer without default asks again")
        << QStringList{"", "SP"} << 0 << 5100 << "_Acute" << 1;
    QTest::newRow("an empty answer picks the default")
        << QStringList{""} << 2 << 5100 << "_Obtuse" << 0;
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
    CTwKeywordArray keywords;
    keywords.push_back(u"_Acute", u"SPitz");
    keywords.push_back(u"_Obtuse", u"STumpf");
    keywords.push_back(u"_Exit", u"eXit");
    // A colon already there is not doubled; the keywords go before it.
    QCOMPARE(io.GetKeyword(io.ComposePrompt(u"Specify angle: ", keywords), keywords, answer, 0,
                           defaultIndex),
             status);
    QVERIFY(runtime.commandLine().messages().first().startsWith(
        "Specify angle [SPitz/STumpf/eXit]: "));
    QCOMPARE(QString(answer), global);
    QCOMPARE(runtime.input().rejectedCount(), refused);
    QVERIFY(!runtime.input().hasPending());
}

void TestHostUserIO::shippedKeywords_data()
{
    // Every keyword prompt of the host and the module, in each language
    // shipped: its keywords (the texts marked "Command Option" in one
    // context) and their global names ("_" and the English word).
    QTest::addColumn<QStringList>("locals");
    QTest::addColumn<QStringList>("globals");
    for (const char* pszCatalogue : {HOST_CATALOGUE, MODULE_CATALOGUE})
    {
        QFile file(QString::fromUtf8(pszCatalogue));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source, comment;
        QMap<QString, QList<QStringList>> prompts; // context: English, German
        while (!xml.atEnd())
        {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"source")
                source = xml.readElementText(), comment.clear();
            else if (xml.name() == u"comment")
                comment = xml.readElementText();
            else if (xml.name() == u"translation" && comment.contains("Command Option"))
            {
                QList<QStringList>& languages = prompts[context];
                languages.resize(2);
                languages[0] << source;
                languages[1] << xml.readElementText();
            }
        }
        for (auto it = prompts.cbegin(); it != prompts.cend(); ++it)
        {
            QStringList globals;
            for (const QString& english : it.value()[0])
                globals << '_' + english;
            QTest::addRow("%s in English", qPrintable(it.key())) << it.value()[0] << globals;
            QTest::addRow("%s in German", qPrintable(it.key())) << it.value()[1] << globals;
        }
    }
}

void TestHostUserIO::shippedKeywords()
{
    QFETCH(QStringList, locals);
    QFETCH(QStringList, globals);
    CTwKeywordArray keywords;
    for (qsizetype i = 0; i < locals.size(); ++i)
        keywords.push_back(globals[i], locals[i]);
    // Its shortcut answers each keyword: it has one, and no other keyword of
    // the prompt shares it.
    for (qsizetype i = 0; i < locals.size(); ++i)
    {
        CTwString global;
        QVERIFY2(HostUserIO::matchKeyword(HostUserIO::shortcutOf(locals[i]), keywords, global) ==
                     HostUserIO::Match::Found,
                 qPrintable(locals.join('/')));
        QCOMPARE(QString(global), globals[i]);
    }
}

void TestHostUserIO::point_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QPointF>("point");

    QTest::newRow("spaces around the numbers") << "  -2.5 , +7 " << true << QPointF(-2.5, 7);
    QTest::newRow("exponent and leading point") << "1e2,.5" << true << QPointF(100, 0.5);
    QTest::newRow("semicolon instead of comma") << "3;4" << false << QPointF();
    QTest::newRow("three coordinates") << "1,2,3" << false << QPointF();
    QTest::newRow("too large to be finite") << "1e400,1" << false << QPointF();
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
    QTest::addColumn<QList<double>>("stored"); // area, perimeter, angle: what the calculator reads

    QTest::newRow("Enter closes the area after three points, not before; LUPREC decimals")
        << QStringList{"LUPREC", "2", "GETAREA", "12,0", "16,0", "", "16,3", "12,3", ""}
        << "Area = 12.00, Perimeter = 14.00" << QList<double>{12, 14, 0};
    QTest::newRow("angle between directions may be obtuse, shown in the drawing's AUNITS")
        << QStringList{"AUNITS", "3", "GETANGLE", "0,0", "1,0", "0,0", "-1,1"} << "Angle = 2.3562r"
        << QList<double>{0, 0, 3 * M_PI / 4};
    QTest::newRow("parallel lines of one direction give 0")
        << QStringList{"GETANGLE", "0,0", "1,1", "5,0", "7,2"} << "Angle = 0.0000\u00b0"
        << QList<double>{0, 0, 0};
    QTest::newRow("a line needs two different points")
        << QStringList{"GETANGLE", "0,0", "0,0", "0,1", "0,0", "1,0"} << "Angle = 90.0000\u00b0"
        << QList<double>{0, 0, M_PI / 2};
}

void TestHostUserIO::measuring()
{
    QFETCH(QStringList, script);
    QFETCH(QString, printed);
    QFETCH(QList<double>, stored);

    HostRuntime runtime;
    runtime.openSampleDrawing();
    runtime.input().enqueue(script);
    QTRY_VERIFY(runtime.processor().isQuiet());
    QCOMPARE(runtime.commandLine().messages().last(), printed);
    const OdDbDatabasePtr db = ACTIVE_DOCUMENT()->GetDatabase();
    const QList<double> got{db->getLastArea(), db->getLastPerimeter(), db->getLastAngle()};
    for (qsizetype i = 0; i < got.size(); ++i)
        QVERIFY2(qAbs(got[i] - stored[i]) < 1e-12, qPrintable(QString::number(got[i], 'g', 17)));
}

void TestHostUserIO::settings_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("luprec");
    QTest::addColumn<int>("aunits");
    QTest::addColumn<int>("refused");

    QTest::newRow("LUPREC refuses 9, asks again and takes 8")
        << QStringList{"luprec", "9", "8"} << 8 << 0 << 1;
    QTest::newRow("Enter keeps the value") << QStringList{"LUPREC", ""} << 4 << 0 << 0;
    QTest::newRow("AUNITS refuses -1 and text, then takes 4")
        << QStringList{"_AUNITS", "-1", "two", "4"} << 4 << 4 << 2;
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

void TestHostUserIO::formatAngle_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("dropZeros");
    QTest::addColumn<bool>("isAngle");
    QTest::addColumn<QString>("text");

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

void TestHostUserIO::formatAngle()
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

void TestHostUserIO::drawingSettings()
{
    HostRuntime runtime;
    CTwUnitFormatter* pFormat = runtime.userIO().GetUnitFormatter();
    // No drawing: decimal degrees and lengths with 4 decimals.
    runtime.documents().closeAll();
    QCOMPARE(QString(pFormat->AngleToText(M_PI / 3)), QString("60.0000"));
    QCOMPARE(QString(pFormat->DistanceToText(2.0 / 3)), QString("0.6667"));

    runtime.newDrawing();
    OdDbDatabasePtr db = ACTIVE_DOCUMENT()->GetDatabase();
    db->setAUNITS(2);
    db->setLUPREC(2);
    // -1 takes the drawing's unit or precision.
    QCOMPARE(QString(pFormat->AngleToText(M_PI / 3, -1, 10)), QString("66.6666666667g"));
    QCOMPARE(QString(pFormat->AngleToText(M_PI / 3, 3, -1)), QString("1.05r"));
    QCOMPARE(QString(pFormat->DistanceToText(2.0 / 3)), QString("0.67"));
    // Settings out of range are kept in range.
    db->setLUPREC(99);
    QCOMPARE(int(db->getLUPREC()), 8);
}

QTEST_MAIN(TestHostUserIO)
#include "tst_hostuserio.moc"
