// Command stack and command runs: look-up, set-aside and restore, queued and
// nested runs, cancelling, and the notifications around each run.

#include "HostTestSupport.h"

#include <HostEditor.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestCommandProcessor : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void setAsideAndRestore();
    void duplicateIsRefused();
    void queuedRunStartsAfterCallerReturns();
    void commandListInputsAnswerPrompts();
    void nestedRun_data();
    void nestedRun();
    void cancelWaitingPrompt_data();
    void cancelWaitingPrompt();
    void outcomeNotifications_data();
    void outcomeNotifications();
    void unknownCommand();
};

void TestCommandProcessor::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("found");

    QTest::newRow("local name matches ignoring case") << "probe" << 3 << "" << true;
    QTest::newRow("global name matches with its underscore") << "_PROBE" << 3 << "" << true;
    QTest::newRow("global-only look-up ignores the local name") << "PROBE" << 1 << "" << false;
    QTest::newRow("local-only look-up ignores the global name") << "_probe" << 2 << "" << false;
    QTest::newRow("group filter matches ignoring case") << "_PROBE" << 1 << "test" << true;
    QTest::newRow("another group does not match") << "_PROBE" << 1 << "OTHER" << false;
    QTest::newRow("a prefix is not a command") << "PRO" << 3 << "" << false;
}

void TestCommandProcessor::lookup()
{
    QFETCH(QString, name);
    QFETCH(int, flags);
    QFETCH(QString, group);
    QFETCH(bool, found);

    OdStaticRxObject<TestCommand> probe(u"_PROBE", u"PROBE", nullptr);
    HostRuntime runtime;
    odedRegCmds()->addCommand(&probe);
    const OdEdCommandPtr cmd = odedRegCmds()->lookupCmd(OdString(name.toStdU16String()), flags,
                                                        OdString(group.toStdU16String()));
    QCOMPARE(cmd.get() == &probe, found);
    odedRegCmds()->removeCmd(&probe);
    QVERIFY(!odedRegCmds()->lookupCmd(u"_PROBE"));
}

void TestCommandProcessor::setAsideAndRestore()
{
    QStringList ran;
    OdStaticRxObject<TestCommand> original(
        u"_SMARTCALCULATOR", u"SMARTCALCULATOR",
        [&](OdEdCommandContext*)
        {
            ran << "original";
            return kTwNormal;
        },
        u"HOSTGROUP");
    OdStaticRxObject<TestCommand> replacement(
        u"_SMARTCALCULATOR", u"SMARTCALCULATOR",
        [&](OdEdCommandContext*)
        {
            ran << "replacement";
            return kTwNormal;
        },
        u"MODULEGROUP");
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

void TestCommandProcessor::duplicateIsRefused()
{
    OdStaticRxObject<TestCommand> first(u"_TWICE", u"TWICE", nullptr);
    OdStaticRxObject<TestCommand> second(u"_twice", u"AGAIN", nullptr);
    HostRuntime runtime;
    odedRegCmds()->addCommand(&first);
    odedRegCmds()->addCommand(&second);
    QCOMPARE(odedRegCmds()->lookupCmd(u"_TWICE").get(), &first);
    QVERIFY(!odedRegCmds()->lookupCmd(u"AGAIN"));
    QVERIFY(runtime.commandLine().messages().last().contains("already defined"));
}

void TestCommandProcessor::queuedRunStartsAfterCallerReturns()
{
    QStringList log;
    OdStaticRxObject<TestCommand> second(u"_SECOND", u"SECOND",
                                         [&](OdEdCommandContext*)
                                         {
                                             log << "second runs";
                                             return kTwNormal;
                                         });
    OdStaticRxObject<TestCommand> first(
        u"_FIRST", u"FIRST",
        [&](OdEdCommandContext*)
        {
            OdResBufPtr list = OdResBuf::newRb(kRtString);
            list->setString(u"_SECOND");
            list->last()->setNext(OdResBuf::newRb(kRtNone).get());
            log << QString("queued %1").arg(GetTwSystemServices()->ExecuteCommandList(0, list));
            log << "first returns";
            return kTwNormal;
        });
    HostRuntime runtime;
    odedRegCmds()->addCommand(&first);
    odedRegCmds()->addCommand(&second);

    runtime.processor().runLine("FIRST");
    QCOMPARE(log, QStringList({"queued 5100", "first returns"}));
    QTRY_COMPARE(log.size(), 3);
    QCOMPARE(log.last(), QString("second runs"));
    QVERIFY(runtime.processor().isIdle());
}

void TestCommandProcessor::commandListInputsAnswerPrompts()
{
    HostRuntime runtime;
    runtime.openSampleDrawing();
    OdResBufPtr list = OdResBuf::newRb(kRtString);
    list->setString(u"_GETDISTANCE");
    for (const char16_t* point : {u"0,0", u"6,8"})
    {
        OdResBufPtr rb = OdResBuf::newRb(kRtString);
        rb->setString(point);
        list->last()->setNext(rb.get());
    }
    list->last()->setNext(OdResBuf::newRb(kRtNone).get());
    QCOMPARE(GetTwSystemServices()->ExecuteCommandList(0, list), int(kTwNormal));
    QCOMPARE(ACTIVE_DOCUMENT()->GetDatabase()->getLastDistance(), 0.0);
    QTRY_COMPARE(ACTIVE_DOCUMENT()->GetDatabase()->getLastDistance(), 10.0);
    QCOMPARE(runtime.commandLine().messages().last(), QString("Distance = 10.0000"));

    // A list without a command name is refused at once.
    QCOMPARE(GetTwSystemServices()->ExecuteCommandList(0, OdResBuf::newRb(kRtNone)), int(kTwError));
}

void TestCommandProcessor::nestedRun_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<int>("restype");

    QTest::newRow("a nested command that ends reports 5100")
        << "_GETDISTANCE" << QStringList{"0,0", "1,1"} << 5100;
    QTest::newRow("a nested command cancelled at its prompt reports -5002")
        << "_GETDISTANCE" << QStringList{"0,0", "^C"} << -5002;
    QTest::newRow("an unknown request reports -5001") << "_NOSUCHCOMMAND" << QStringList{} << -5001;
    QTest::newRow("a nested command that throws reports -5001")
        << "_THROWS" << QStringList{} << -5001;
}

void TestCommandProcessor::nestedRun()
{
    QFETCH(QString, request);
    QFETCH(QStringList, input);
    QFETCH(int, restype);

    OdStaticRxObject<RecordingReactor> reactor;
    OdStaticRxObject<TestCommand> throws(u"_THROWS", u"THROWS",
                                         [](OdEdCommandContext*) -> int
                                         { throw std::runtime_error("broken"); });
    int nestedStatus = 0;
    int depthInside = 0;
    OdStaticRxObject<TestCommand> outer(
        u"_OUTER", u"OUTER",
        [&](OdEdCommandContext*)
        {
            CTwSystemServices::CTwExpressionParserData data;
            data.bAllowNested = true;
            data.bEchoCommand = true;
            depthInside = HostRuntime::instance()->processor().depth();
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
    QCOMPARE(depthInside, 1);
    QCOMPARE(nestedStatus, restype);
    // The outer run is unaffected by how the nested one ended.
    QCOMPARE(reactor.events.last(), QString("ended:_OUTER"));
    QCOMPARE(reactor.events.first(), QString("willStart:_OUTER"));
}

void TestCommandProcessor::cancelWaitingPrompt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Escape cancels the waiting prompt") << "escape";
    QTest::newRow("the macro ^C^C cancels the running command") << "macro";
    QTest::newRow("a queued ^C line is Escape") << "line";
}

void TestCommandProcessor::cancelWaitingPrompt()
{
    QFETCH(QString, how);

    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    runtime.openSampleDrawing();
    runtime.input().setInteractive(true);
    reactor.registerAll();
    reactor.events.clear();
    ACTIVE_DOCUMENT()->GetDatabase()->setLastDistance(7.0);

    // The first point is given; the second prompt then waits for the user.
    runtime.input().enqueue({"0,0"});
    QTimer::singleShot(0, &runtime,
                       [&]
                       {
                           QVERIFY(runtime.input().isWaitingForPoint());
                           if (how == "escape")
                               runtime.input().cancel();
                           else if (how == "macro")
                               GetTwSystemServices()->SendMacro(CTwString(u"^C^C"), 0);
                           else
                               runtime.input().submit("^C");
                       });
    QCOMPARE(runtime.processor().runLine("GETDISTANCE"), int(kTwCancel));
    QCOMPARE(reactor.events, QStringList({"willStart:_GETDISTANCE", "cancelled:_GETDISTANCE"}));
    QCOMPARE(runtime.commandLine().messages().last(), QString("*Cancel*"));
    // Nothing half-done stays behind.
    QCOMPARE(ACTIVE_DOCUMENT()->GetDatabase()->getLastDistance(), 7.0);
    QVERIFY(runtime.processor().isIdle());
    QVERIFY(!runtime.input().isWaiting());
}

void TestCommandProcessor::outcomeNotifications_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("status 5100 ends the command") << 5100 << false << "ended";
    QTest::newRow("a keyword-less non-negative status still ends it") << 5000 << false << "ended";
    QTest::newRow("status -5002 cancels it") << -5002 << false << "cancelled";
    QTest::newRow("status -5001 fails it") << -5001 << false << "failed";
    QTest::newRow("an exception fails it and stays in the host") << 5100 << true << "failed";
}

void TestCommandProcessor::outcomeNotifications()
{
    QFETCH(int, status);
    QFETCH(bool, throws);
    QFETCH(QString, outcome);

    OdStaticRxObject<RecordingReactor> reactor;
    OdStaticRxObject<TestCommand> cmd(u"_OUTCOME", u"OUTCOME",
                                      [&](OdEdCommandContext*)
                                      {
                                          if (throws)
                                              throw 42;
                                          return status;
                                      });
    HostRuntime runtime;
    odedEditor()->addReactor(&reactor);
    odedRegCmds()->addCommand(&cmd);
    runtime.processor().runLine("OUTCOME");
    QCOMPARE(reactor.events, QStringList({"willStart:_OUTCOME", outcome + ":_OUTCOME"}));
    QCOMPARE(runtime.input().rejectedCount(), outcome == "failed" ? 1 : 0);
}

void TestCommandProcessor::unknownCommand()
{
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    odedEditor()->addReactor(&reactor);
    QCOMPARE(runtime.processor().runLine("  FROBNICATE "), int(kTwError));
    QCOMPARE(reactor.events, QStringList({"unknown:FROBNICATE"}));
    QCOMPARE(runtime.commandLine().messages().last(), QString("Unknown command \"FROBNICATE\"."));
    QCOMPARE(runtime.input().rejectedCount(), 1);
}

QTEST_MAIN(TestCommandProcessor)
#include "tst_commandprocessor.moc"
