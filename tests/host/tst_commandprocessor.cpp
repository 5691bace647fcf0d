// Command stack and command runs: look-up, set-aside and restore, queued and
// nested runs, cancelling, and the notifications around each run.

#include "HostTestSupport.h"

#include <HostEditor.h>

#include <QTest>
#include <QTimer>

class TestCommandProcessor : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void setAsideAndRestore();
    void commandListRunsOnceTheCallerReturns();
    void nestedRun_data();
    void nestedRun();
    void cancelWaitingPrompt_data();
    void cancelWaitingPrompt();
    void outcomeNotifications_data();
    void outcomeNotifications();
};

namespace
{
// A command list as a module builds it: strings, then an end marker.
OdResBufPtr commandList(const QStringList& items)
{
    OdResBufPtr list = OdResBuf::newRb(kRtNone);
    for (auto it = items.rbegin(); it != items.rend(); ++it)
    {
        OdResBufPtr rb = OdResBuf::newRb(kRtString);
        rb->setString(OdString(it->toStdU16String()));
        rb->setNext(list);
        list = rb;
    }
    return list;
}
} // namespace

void TestCommandProcessor::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("found"); // "host", "module" or "" for none

    QTest::newRow("local name matches ignoring case") << "probe" << 3 << "" << "module";
    QTest::newRow("global name matches with its underscore") << "_Probe" << 1 << "" << "module";
    QTest::newRow("of one name in two groups the command added last is found")
        << "_PROBE" << 3 << "" << "module";
    QTest::newRow("a group filter reaches the command shadowed")
        << "_PROBE" << 3 << "HOST" << "host";
    QTest::newRow("global-only look-up ignores the local name") << "PROBE" << 1 << "" << "";
    QTest::newRow("local-only look-up ignores the global name") << "_probe" << 2 << "" << "";
    QTest::newRow("group filter matches ignoring case") << "_PROBE" << 1 << "test" << "module";
    QTest::newRow("another group does not match") << "_PROBE" << 1 << "OTHER" << "";
    QTest::newRow("a prefix is not a command") << "PRO" << 3 << "" << "";
    QTest::newRow("a second command of a name taken in its group is not added")
        << "AGAIN" << 3 << "" << "";
}

void TestCommandProcessor::lookup()
{
    QFETCH(QString, name);
    QFETCH(int, flags);
    QFETCH(QString, group);
    QFETCH(QString, found);

    // The host's command, then a module's of the same name in its own group.
    OdStaticRxObject<TestCommand> host(u"_PROBE", u"PROBE", nullptr, u"HOST");
    OdStaticRxObject<TestCommand> probe(u"_PROBE", u"PROBE", nullptr);
    OdStaticRxObject<TestCommand> duplicate(u"_probe", u"AGAIN", nullptr);
    HostRuntime runtime;
    odedRegCmds()->addCommand(&host);
    odedRegCmds()->addCommand(&probe);
    odedRegCmds()->addCommand(&duplicate);
    QVERIFY(runtime.commandLine().messages().last().contains("already defined"));
    const OdEdCommandPtr cmd = odedRegCmds()->lookupCmd(OdString(name.toStdU16String()), flags,
                                                        OdString(group.toStdU16String()));
    const char* which = cmd.get() == &host ? "host" : cmd.get() == &probe ? "module" : "";
    QCOMPARE(QString(which), found);
}

void TestCommandProcessor::setAsideAndRestore()
{
    QStringList ran;
    auto logs = [&ran](const char* pszWhat)
    {
        return [&ran, pszWhat](OdEdCommandContext*)
        {
            ran << pszWhat;
            return kTwNormal;
        };
    };
    OdStaticRxObject<TestCommand> original(u"_SMARTCALCULATOR", u"SMARTCALCULATOR",
                                           logs("original"), u"HOSTGROUP");
    OdStaticRxObject<TestCommand> replacement(u"_SMARTCALCULATOR", u"SMARTCALCULATOR",
                                              logs("replacement"), u"MODULEGROUP");
    HostRuntime runtime;
    auto& stack = runtime.commandStack();
    const long baseRefs = stack.numRefs();
    {
        OdEdCommandStackPtr cmds = odedRegCmds();
        cmds->addCommand(&original);
        // What a module's load does.
        OdEdCommandPtr displaced = cmds->lookupCmd(u"_SMARTCALCULATOR", 3, OdString::kEmpty);
        QCOMPARE(displaced.get(), &original);
        cmds->removeCmd(displaced.get());
        cmds->addCommand(&replacement);
        QVERIFY(!cmds->lookupCmd(u"_SMARTCALCULATOR", 3, u"HOSTGROUP"));
        runtime.processor().runLine("smartcalculator");

        // What its unload does.
        cmds->removeCmd(&replacement);
        cmds->addCommand(displaced.get());
        runtime.processor().runLine("_SmartCalculator");
    }
    QCOMPARE(ran, QStringList({"replacement", "original"}));
    QCOMPARE(stack.numRefs(), baseRefs);
}

void TestCommandProcessor::commandListRunsOnceTheCallerReturns()
{
    int queued = 0;
    OdStaticRxObject<TestCommand> first(u"_FIRST", u"FIRST",
                                        [&](OdEdCommandContext*)
                                        {
                                            queued = GetTwSystemServices()->ExecuteCommandList(
                                                0, commandList({"_GETDISTANCE", "0,0", "6,8"}));
                                            return kTwNormal;
                                        });
    HostRuntime runtime;
    runtime.openSampleDrawing();
    odedRegCmds()->addCommand(&first);
    const OdDbDatabasePtr db = ACTIVE_DOCUMENT()->GetDatabase();

    QCOMPARE(runtime.processor().runLine("FIRST"), int(kTwNormal));
    QCOMPARE(queued, int(kTwNormal));
    QCOMPARE(db->getLastDistance(), 0.0);
    // The list's inputs answer the queued command's prompts.
    QTRY_COMPARE(db->getLastDistance(), 10.0);
    QVERIFY(runtime.processor().isIdle());
    // A list without a command name is refused at once.
    QCOMPARE(GetTwSystemServices()->ExecuteCommandList(0, commandList({})), int(kTwError));
}

void TestCommandProcessor::nestedRun_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("allowNested");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<int>("restype");

    QTest::newRow("a nested command that ends reports 5100")
        << "_GETDISTANCE" << true << QStringList{"0,0", "1,1"} << 5100;
    QTest::newRow("a nested command cancelled at its prompt reports -5002")
        << "_GETDISTANCE" << true << QStringList{"0,0", "^C"} << -5002;
    QTest::newRow("an unknown request reports -5001")
        << "_NOSUCHCOMMAND" << true << QStringList{} << -5001;
    QTest::newRow("a nested command that throws reports -5001")
        << "_THROWS" << true << QStringList{} << -5001;
    QTest::newRow("without bAllowNested a request is refused while a command runs")
        << "_GETDISTANCE" << false << QStringList{"0,0", "1,1"} << -5001;
}

void TestCommandProcessor::nestedRun()
{
    QFETCH(QString, request);
    QFETCH(bool, allowNested);
    QFETCH(QStringList, input);
    QFETCH(int, restype);

    OdStaticRxObject<RecordingReactor> reactor;
    OdStaticRxObject<TestCommand> throws(u"_THROWS", u"THROWS",
                                         [](OdEdCommandContext*) -> int
                                         { throw std::runtime_error("broken"); });
    int nestedStatus = 0;
    OdStaticRxObject<TestCommand> outer(
        u"_OUTER", u"OUTER",
        [&](OdEdCommandContext*)
        {
            CTwSystemServices::CTwExpressionParserData data;
            data.bAllowNested = allowNested;
            data.bEchoCommand = true;
            OdResBufPtr result = GetTwSystemServices()->EvaluateRequest(data, kRtString, request);
            nestedStatus = result->restype();
            return kTwNormal;
        });
    HostRuntime runtime;
    runtime.openSampleDrawing();
    reactor.registerAll();
    odedRegCmds()->addCommand(&throws);
    odedRegCmds()->addCommand(&outer);

    runtime.input().enqueue(input);
    QCOMPARE(runtime.processor().runLine("OUTER"), int(kTwNormal));
    QCOMPARE(nestedStatus, restype);
    // The outer run is unaffected by how the nested one ended.
    QCOMPARE(reactor.events.last(), QString("ended:_OUTER"));
    QCOMPARE(reactor.events.first(), QString("willStart:_OUTER"));
    if (!allowNested)
    {
        // Refused before it starts, with a message.
        QVERIFY(!reactor.events.contains("willStart:" + request));
        QVERIFY(runtime.commandLine().messages().last().contains(
            "cannot run while another command runs"));
    }
}

void TestCommandProcessor::cancelWaitingPrompt_data()
{
    // Escape at a command's own prompt is typed in tst_hostmainwindow; here
    // the prompt waiting is a nested command's.
    QTest::addColumn<bool>("macro");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("outerEnd");

    QTest::newRow("Escape in a nested prompt cancels the nested command only")
        << false << int(kTwNormal) << "ended:_OUTER";
    QTest::newRow("the macro ^C^C cancels the nested command and the outer one")
        << true << int(kTwCancel) << "cancelled:_OUTER";
}

void TestCommandProcessor::cancelWaitingPrompt()
{
    QFETCH(bool, macro);
    QFETCH(int, status);
    QFETCH(QString, outerEnd);

    // Measures nested, as the angle measurement does, then prompts itself.
    OdStaticRxObject<TestCommand> outer(
        u"_OUTER", u"OUTER",
        [](OdEdCommandContext* pCtx)
        {
            CTwSystemServices::CTwExpressionParserData data;
            data.bAllowNested = true;
            GetTwSystemServices()->EvaluateRequest(data, kRtString, u"_GETDISTANCE");
            QPointF point;
            return GetTwUserIO(pCtx)->GetPoint(u"Outer point:", point);
        });
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    runtime.openSampleDrawing();
    runtime.input().setInteractive(true);
    odedRegCmds()->addCommand(&outer);
    reactor.registerAll();
    reactor.events.clear();
    ACTIVE_DOCUMENT()->GetDatabase()->setLastDistance(7.0);

    // The first point is given; the second prompt then waits for the user,
    // who cancels and types a point.
    runtime.input().enqueue({"0,0"});
    QTimer::singleShot(0, &runtime,
                       [&]
                       {
                           QVERIFY(runtime.input().isWaitingForPoint());
                           if (macro)
                               GetTwSystemServices()->SendMacro(CTwString(u"^C^C"), 0);
                           else
                               runtime.input().cancel();
                           runtime.input().enqueue({"3,4"});
                       });
    QCOMPARE(runtime.processor().runLine("OUTER"), status);
    QCOMPARE(reactor.events, QStringList({"willStart:_OUTER", "willStart:_GETDISTANCE",
                                          "cancelled:_GETDISTANCE", outerEnd}));
    // One cancel, one line, however many commands it ends.
    QCOMPARE(runtime.commandLine().messages().count("*Cancel*"), 1);
    // Nothing half-done stays behind.
    QCOMPARE(ACTIVE_DOCUMENT()->GetDatabase()->getLastDistance(), 7.0);
    QVERIFY(runtime.processor().isIdle());
    QVERIFY(!runtime.input().isWaiting());
}

void TestCommandProcessor::outcomeNotifications_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("events");

    const QString started = "willStart:_OUTCOME";
    QTest::newRow("status 5100 ends the command")
        << "OUTCOME" << 5100 << QStringList{started, "ended:_OUTCOME"};
    QTest::newRow("a keyword-less non-negative status still ends it")
        << "OUTCOME" << 5000 << QStringList{started, "ended:_OUTCOME"};
    QTest::newRow("status -5002 cancels it")
        << "OUTCOME" << -5002 << QStringList{started, "cancelled:_OUTCOME"};
    QTest::newRow("status -5001 fails it")
        << "OUTCOME" << -5001 << QStringList{started, "failed:_OUTCOME"};
    QTest::newRow("an exception fails it and stays in the host")
        << "OUTCOME" << 0 << QStringList{started, "failed:_OUTCOME"};
    QTest::newRow("an unknown command is reported by its trimmed name and never starts")
        << "  FROBNICATE " << 0 << QStringList{"unknown:FROBNICATE"};
}

void TestCommandProcessor::outcomeNotifications()
{
    QFETCH(QString, line);
    QFETCH(int, status);
    QFETCH(QStringList, events);

    OdStaticRxObject<RecordingReactor> reactor;
    OdStaticRxObject<TestCommand> cmd(u"_OUTCOME", u"OUTCOME",
                                      [&](OdEdCommandContext*)
                                      {
                                          if (status == 0)
                                              throw 42;
                                          return status;
                                      });
    HostRuntime runtime;
    odedEditor()->addReactor(&reactor);
    odedRegCmds()->addCommand(&cmd);
    runtime.processor().runLine(line);
    QCOMPARE(reactor.events, events);
    // A failure refuses the input that led to it, as a script run counts it.
    const bool refused = events.last().startsWith("failed") || events.last().startsWith("unknown");
    QCOMPARE(runtime.input().rejectedCount(), refused ? 1 : 0);
}

QTEST_MAIN(TestCommandProcessor)
#include "tst_commandprocessor.moc"
