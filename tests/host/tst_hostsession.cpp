// The command line as modules and scripts drive it: each row is a session of
// command-line input run through the host's runtime, with the lines the
// command line must show, the notifications reactors must hear and how many
// answers were refused. Test commands stand in for a module's: KEYS asks for
// a keyword, POINT for a point, OUTER runs the command it is told nested (as
// the angle measurement runs the host's) and then asks for a point, STATUS
// ends with the status it is told (0 throws), LIST queues the command list it
// is told.

#include "HostTestSupport.h"

#include <HostUserIO.h>
#include <UnitFormatter.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtMath>

#include <memory>

class TestHostSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void session_data();
    void session();
    void shippedKeywords_data();
    void shippedKeywords();
    void formatAngle_data();
    void formatAngle();

private:
    std::vector<std::unique_ptr<OdStaticRxObject<TestCommand>>> m_commands;
};

namespace
{
QString asked(OdEdCommandContext* pCtx, const char16_t* pszPrompt)
{
    CTwString answer;
    GetTwUserIO(pCtx)->GetString(pszPrompt, answer);
    return answer;
}
} // namespace

void TestHostSession::initTestCase()
{
    using Body = std::function<int(OdEdCommandContext*)>;
    auto add = [this](const char16_t* pszGlobal, const char16_t* pszLocal, Body body)
    {
        m_commands.push_back(
            std::make_unique<OdStaticRxObject<TestCommand>>(pszGlobal, pszLocal, body));
    };
    add(u"_KEYS", u"KEYS",
        [](OdEdCommandContext* pCtx)
        {
            CTwUserIO* io = GetTwUserIO(pCtx);
            CTwKeywordArray keywords;
            keywords.push_back(u"_Acute", u"SPitz");
            keywords.push_back(u"_Obtuse", u"STumpf");
            keywords.push_back(u"_Exit", u"eXit");
            keywords.push_back(u"_Dark", u"Dark");
            keywords.push_back(u"_Darker", u"DArker");
            CTwString answer;
            const int status =
                io->GetKeyword(io->ComposePrompt(u"Pick: ", keywords), keywords, answer, 0, 0);
            return io->PutMessage(u"Got " + answer), status;
        });
    add(u"_POINT", u"POINT",
        [](OdEdCommandContext* pCtx)
        {
            QPointF point;
            const int status = GetTwUserIO(pCtx)->GetPoint(u"Point:", point);
            return GetTwUserIO(pCtx)->PutMessage("Got " + UserInput::formatPoint(point)), status;
        });
    add(u"_OUTER", u"OUTER",
        [](OdEdCommandContext* pCtx)
        {
            CTwSystemServices::CTwExpressionParserData data;
            data.bAllowNested = true;
            const int nested = GetTwSystemServices()
                                   ->EvaluateRequest(data, kRtString, asked(pCtx, u"Request:"))
                                   ->restype();
            GetTwUserIO(pCtx)->PutMessage(QString("Nested %1").arg(nested));
            if (nested == kTwCancel)
                return int(kTwCancel); // as the angle measurement does
            QPointF point;
            return GetTwUserIO(pCtx)->GetPoint(u"Outer point:", point);
        });
    add(u"_STATUS", u"STATUS",
        [](OdEdCommandContext* pCtx)
        {
            const int status = asked(pCtx, u"Status:").toInt();
            return status ? status : throw 42;
        });
    add(u"_LIST", u"LIST",
        [](OdEdCommandContext* pCtx)
        {
            OdResBufPtr list = OdResBuf::newRb(kRtNone);
            const QStringList items = asked(pCtx, u"List:").split(' ', Qt::SkipEmptyParts);
            for (auto it = items.rbegin(); it != items.rend(); ++it)
            {
                OdResBufPtr rb = OdResBuf::newRb(kRtString);
                rb->setString(OdString(it->toStdU16String()));
                rb->setNext(list);
                list = rb;
            }
            const int status = GetTwSystemServices()->ExecuteCommandList(0, list);
            GetTwUserIO(pCtx)->PutMessage(QString("Listed %1").arg(status));
            return kTwNormal;
        });
}

void TestHostSession::session_data()
{
    // Input lines and shown lines are separated by '|', notifications by
    // spaces; "*" leaves the notifications unchecked.
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("refused");
    const auto Row = [](const char* name, const char* setup, const char* lines, const char* shown,
                        const char* events, int refused)
    {
        QTest::newRow(name) << QString(setup).split('|', Qt::SkipEmptyParts)
                            << QString(lines).split('|') << QString(shown).split('|')
                            << QString(events) << refused;
    };

    // Keywords show their shortcut in capitals; each answers its keyword.
    Row("the shortcut answers, wherever it stands, ignoring case", "", "KEYS|sp|KEYS|X",
        "Pick [SPitz/STumpf/eXit/Dark/DArker]: sp|Got _Acute|Got _Exit", "*", 0);
    Row("so do a longer prefix, the whole keyword and the global name", "",
        "KEYS|stu|KEYS|stumpf|KEYS|_acute", "Got _Obtuse|Got _Obtuse|Got _Acute", "*", 0);
    Row("a prefix short of the shortcut answers nothing", "", "KEYS|S|e|Spi",
        "Ambiguous keyword \"S\".|Invalid keyword \"e\".|Got _Acute", "*", 2);
    Row("a prefix that two keywords begin with answers neither", "", "KEYS|dar|dark",
        "Ambiguous keyword \"dar\".|Got _Dark", "*", 1);
    Row("an empty answer asks again; running out of input cancels", "", "KEYS||Wrong",
        "Requires one of the keywords.|No more input: the command is cancelled.|*Cancel*",
        "willStart:_KEYS cancelled:_KEYS", 3);
    // Points are typed as x,y; anything else is refused and asked again.
    Row("points: spaces, signs, exponents; no semicolons, nothing too large", "",
        "POINT|  -2.5 , +7 |POINT|3;4|1e400,1|1e2,.5",
        "Got -2.5,7|Invalid point \"3;4\": type it as x,y.|Got 100,0.5", "*", 2);
    // How a run ends, as the reactors hear it.
    Row("a status not negative ends the command; -5002 cancels it", "",
        "STATUS|5100|STATUS|5000|STATUS|-5002", "*Cancel*",
        "willStart:_STATUS ended:_STATUS willStart:_STATUS ended:_STATUS willStart:_STATUS "
        "cancelled:_STATUS",
        0);
    Row("-5001 or an exception fails it and refuses the input", "", "STATUS|-5001|STATUS|0",
        "Command _STATUS failed.|Command _STATUS failed.",
        "willStart:_STATUS failed:_STATUS willStart:_STATUS failed:_STATUS", 2);
    Row("an unknown command is reported by its trimmed name and never starts", "", "  FROBNICATE ",
        "Unknown command \"FROBNICATE\".", "unknown:FROBNICATE", 1);
    // Nested runs: the outer command goes on however the nested one ended,
    // and it, not the nested one, is what Enter repeats.
    Row("a nested command that ends reports 5100; Enter repeats the outer one", "NEW",
        "OUTER|_GETDISTANCE|0,0|1,1|5,5||_NOSUCH|5,5",
        "Command: OUTER|Nested 5100|Command: OUTER|Nested -5001",
        "willStart:_OUTER willStart:_GETDISTANCE ended:_GETDISTANCE ended:_OUTER "
        "willStart:_OUTER unknown:_NOSUCH ended:_OUTER",
        1);
    Row("a nested command cancelled at its prompt: one Escape, one *Cancel*", "NEW",
        "OUTER|_GETDISTANCE|0,0|^C", "*Cancel*|Nested -5002",
        "willStart:_OUTER willStart:_GETDISTANCE cancelled:_GETDISTANCE cancelled:_OUTER", 0);
    // A command list runs once the command that queued it has returned.
    Row("a command list runs after its caller", "NEW", "LIST|_GETDISTANCE 0,0 6,8",
        "Listed 5100|Command: _GETDISTANCE|Distance = 10.0000", "*", 0);
    // The host's own commands.
    Row("Enter closes the area after three points, not before; LUPREC decimals, LUNITS inches",
        "NEW", "LUPREC|2|LUNITS|3|GETAREA|12,0|16,0||16,3|12,3|",
        "An area needs at least three points.|"
        "Area = 12.00 square in. (0.08 square ft.), Perimeter = 1'-2.00\"",
        "*", 1);
    Row("LUNITS refuses 0 and 6, takes 4; a distance prints in it, however large", "NEW",
        "LUNITS|0|6|4|LUNITS||LUPREC|8|GETDISTANCE|0,0|126.5,0|GETDISTANCE|0,0|1e12,0",
        "Requires an integer between 1 and 5.|Requires an integer between 1 and 5.|"
        "Enter new value for LUNITS <4>: |Distance = 10'-6 1/2\"|Distance = 83333333333'-4\"",
        "*", 2);
    Row("LUPREC refuses 9, takes 8, the highest; Enter keeps it", "NEW",
        "luprec|9|8|LUPREC||LUPREC|",
        "Requires an integer between 0 and 8.|"
        "Enter new value for LUPREC (decimals of lengths, 0 to 8) <8>: |"
        "Enter new value for LUPREC (decimals of lengths, 0 to 8) <8>: ",
        "*", 1);
    Row("AUNITS refuses -1 and text, then takes 4, the highest", "NEW", "_AUNITS|-1|two|4|AUNITS|",
        "Requires an integer between 0 and 4.|Invalid integer \"two\".|"
        "Enter new value for AUNITS <4>: ",
        "*", 2);
    Row("a line of the angle needs two points; THEME switches", "NEW",
        "GETANGLE|0,0|0,0|1,1|5,0|7,2|THEME|d",
        "The two points of a line must differ.|Angle = 0.0000°", "theme:2", 1);
}

void TestHostSession::session()
{
    QFETCH(QStringList, setup);
    QFETCH(QStringList, shown);
    QFETCH(QString, events);
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    for (const auto& pCommand : m_commands)
        odedRegCmds()->addCommand(pCommand.get());
    runLines(runtime, setup);
    runtime.commandLine().clearMessages();
    runtime.input().resetCounts();
    reactor.events.clear();
    QFETCH(QStringList, lines);
    runLines(runtime, lines);

    // The lines listed, in this order and as often as listed.
    shown.removeAll(QString());
    QStringList seen = runtime.commandLine().messages();
    seen.removeIf([&](const QString& line) { return !shown.contains(line); });
    QCOMPARE(seen, shown);
    // Command notifications count only where the row lists one.
    static const QRegularExpression command("^(willStart|ended|cancelled|failed):");
    if (!events.contains(QRegularExpression("willStart|unknown")))
        reactor.events.removeIf([](const QString& e) { return e.contains(command); });
    if (events != "*")
        QCOMPARE(reactor.events.join(' '), events);
    QTEST(runtime.input().rejectedCount() + runtime.input().starvedCount(), "refused");
    // However the commands ended, the line asks for the next one.
    QCOMPARE(runtime.commandLine().prompt(), CommandLine::commandPrompt());
}

void TestHostSession::shippedKeywords_data()
{
    // Every keyword prompt of the host and the module (the texts marked
    // "Command Option" in one context) in English and in German.
    QTest::addColumn<QStringList>("english");
    QTest::addColumn<QStringList>("shown");
    for (const char* pszCatalogue : {HOST_CATALOGUE, MODULE_CATALOGUE})
    {
        QFile file(QString::fromUtf8(pszCatalogue));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source, comment;
        QMap<QString, QStringList> english, german;
        while (!xml.atEnd())
        {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            static const QStringList leaves{"name", "source", "comment", "translation"};
            const QString text = leaves.contains(xml.name()) ? xml.readElementText() : QString();
            if (xml.name() == u"name")
                context = text;
            else if (xml.name() == u"source")
                source = text, comment.clear();
            else if (xml.name() == u"comment")
                comment = text;
            else if (xml.name() == u"translation" && comment.contains("Command Option"))
                english[context] << source, german[context] << text;
        }
        for (const QString& prompt : english.keys())
        {
            QTest::addRow("%s in English", qPrintable(prompt))
                << english[prompt] << english[prompt];
            QTest::addRow("%s in German", qPrintable(prompt)) << english[prompt] << german[prompt];
        }
    }
}

void TestHostSession::shippedKeywords()
{
    QFETCH(QStringList, english);
    QFETCH(QStringList, shown);
    CTwKeywordArray keywords;
    for (qsizetype i = 0; i < shown.size(); ++i)
        keywords.push_back('_' + english[i], shown[i]);
    // Its shortcut answers each keyword: it has one, and no other keyword of
    // the prompt shares it.
    for (qsizetype i = 0; i < shown.size(); ++i)
    {
        CTwString global;
        QVERIFY2(HostUserIO::matchKeyword(HostUserIO::shortcutOf(shown[i]), keywords, global) ==
                     HostUserIO::Match::Found,
                 qPrintable(shown.join('/')));
        QCOMPARE(QString(global), '_' + english[i]);
    }
}

void TestHostSession::formatAngle_data()
{
    // Degrees, minutes and seconds; the other units are what the calculator
    // prints and is tested with it.
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("precision 0 shows degrees") << 30.6 << 0 << "31d";
    QTest::newRow("precision 2 shows minutes") << 30.5 << 2 << "30d30'";
    QTest::newRow("precision 3 shows seconds, and never 60 of them") << 59.99999 << 3 << "60d0'0\"";
    QTest::newRow("beyond 4 decimals of seconds") << 10.000125 << 6 << "10d0'0.45\"";
}

void TestHostSession::formatAngle()
{
    QFETCH(double, degrees);
    QFETCH(int, precision);
    QTEST(UnitFormatter::formatAngle(qDegreesToRadians(degrees), 1, precision, false, true),
          "text");
}

QTEST_MAIN(TestHostSession)
#include "tst_hostsession.moc"
