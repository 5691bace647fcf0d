// Document and start-page notifications: which fire, in which order, and what
// the document manager reports while they do.

#include "HostTestSupport.h"

#include <QTest>

class TestDocumentManager : public QObject
{
    Q_OBJECT

private slots:
    void notifications_data();
    void notifications();
    void startPageStaysWithoutDrawings();
    void commandOutlivesItsDocument();
};

void TestDocumentManager::notifications_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("hasActive");

    QTest::newRow("a new drawing leaves the start page")
        << QStringList{} << "new"
        << QStringList{"CreateStarted:Drawing1", "Created:Drawing1", "StartPageDeactivated",
                       "ToBeActivated:Drawing1", "Activated:Drawing1"}
        << true;
    QTest::newRow("a second drawing replaces the first")
        << QStringList{"new"} << "new"
        << QStringList{"CreateStarted:Drawing2",   "Created:Drawing2",
                       "ToBeDeactivated:Drawing1", "Deactivated:Drawing1",
                       "ToBeActivated:Drawing2",   "Activated:Drawing2"}
        << true;
    QTest::newRow("switching drawings deactivates before it activates")
        << QStringList{"new", "new"} << "activate Drawing1"
        << QStringList{"ToBeDeactivated:Drawing2", "Deactivated:Drawing2", "ToBeActivated:Drawing1",
                       "Activated:Drawing1"}
        << true;
    QTest::newRow("closing one of two brings the other forward")
        << QStringList{"new", "new"} << "close"
        << QStringList{"ToBeDestroyed:Drawing2", "ToBeDeactivated:Drawing2",
                       "Deactivated:Drawing2",   "Destroyed:Drawing2(1 open)",
                       "ToBeActivated:Drawing1", "Activated:Drawing1"}
        << true;
    QTest::newRow("closing the last drawing activates the start page")
        << QStringList{"new"} << "close"
        << QStringList{"ToBeDestroyed:Drawing1", "ToBeDeactivated:Drawing1", "Deactivated:Drawing1",
                       "Destroyed:Drawing1(0 open)", "StartPageActivated"}
        << false;
    QTest::newRow("the start page comes forward while drawings stay open")
        << QStringList{"new"} << "startpage"
        << QStringList{"ToBeDeactivated:Drawing1", "Deactivated:Drawing1", "StartPageActivated"}
        << false;
    QTest::newRow("a closed start page is shown, then activated")
        << QStringList{"new", "hide"} << "startpage"
        << QStringList{"StartPageShown", "ToBeDeactivated:Drawing1", "Deactivated:Drawing1",
                       "StartPageActivated"}
        << false;
    QTest::newRow("closing the current start page activates a drawing")
        << QStringList{"new", "startpage"} << "hide"
        << QStringList{"StartPageDeactivated", "ToBeActivated:Drawing1", "Activated:Drawing1",
                       "StartPageHidden"}
        << true;
    QTest::newRow("activating the active drawing says nothing")
        << QStringList{"new"} << "activate Drawing1" << QStringList{} << true;
    QTest::newRow("the STARTPAGE command on the current start page says nothing")
        << QStringList{} << "startpage" << QStringList{} << false;
}

namespace
{
void perform(HostRuntime& runtime, const QString& step)
{
    DocumentManager& docs = runtime.documents();
    if (step == "new")
        runtime.processor().runLine("NEW");
    else if (step == "close")
        runtime.processor().runLine("_CLOSE");
    else if (step == "startpage")
        runtime.processor().runLine("STARTPAGE");
    else if (step == "hide")
        QVERIFY(docs.hideStartPage());
    else if (step.startsWith("activate "))
    {
        for (HostDocument* pDoc : docs.documents())
        {
            if (QString(pDoc->GetTitle()) == step.mid(9))
                docs.activateDocument(pDoc);
        }
    }
    else
        QFAIL(qPrintable("unknown step " + step));
}
} // namespace

void TestDocumentManager::notifications()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, step);
    QFETCH(QStringList, expected);
    QFETCH(bool, hasActive);

    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    for (const QString& s : setup)
        perform(runtime, s);
    reactor.events.clear();
    perform(runtime, step);
    // Command notifications are not the subject here.
    reactor.events.removeIf([](const QString& e)
                            { return e.contains(':') && e.section(':', 1).startsWith('_'); });
    QCOMPARE(reactor.events, expected);
    QCOMPARE(runtime.documents().HasActiveDocument() != 0, hasActive);
    QCOMPARE(ACTIVE_DOCUMENT() != nullptr, hasActive);
    QCOMPARE(runtime.documents().IsStartPageActive(), !hasActive);
}

void TestDocumentManager::startPageStaysWithoutDrawings()
{
    HostRuntime runtime;
    QVERIFY(!runtime.documents().hideStartPage());
    QVERIFY(runtime.documents().isStartPageShown());
    // CLOSE without a drawing is refused, not a crash.
    QCOMPARE(runtime.processor().runLine("CLOSE"), int(kTwError));
}

void TestDocumentManager::commandOutlivesItsDocument()
{
    // A command that closes its own drawing still holds the database.
    OdDbDatabasePtr kept;
    OdStaticRxObject<TestCommand> closer(u"_CLOSER", u"CLOSER",
                                         [&](OdEdCommandContext* pCtx)
                                         {
                                             kept = pCtx->GetDocument()->GetDatabase();
                                             HostRuntime::instance()->documents().closeAll();
                                             kept->setLastDistance(3.0);
                                             return pCtx->GetDocument() ? kTwNormal : kTwError;
                                         });
    HostRuntime runtime;
    runtime.openSampleDrawing();
    odedRegCmds()->addCommand(&closer);
    QCOMPARE(runtime.processor().runLine("CLOSER"), int(kTwNormal));
    QCOMPARE(kept->getLastDistance(), 3.0);
    QCOMPARE(int(runtime.documents().DocumentCount()), 0);
}

QTEST_MAIN(TestDocumentManager)
#include "tst_documentmanager.moc"
