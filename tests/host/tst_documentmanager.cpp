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
    void commandOutlivesItsDocument();
};

void TestDocumentManager::notifications_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("hasActive");

    QTest::newRow("a new drawing leaves the start page")
        << QStringList{} << "NEW"
        << QStringList{"CreateStarted:Drawing1", "Created:Drawing1", "StartPageDeactivated",
                       "ToBeActivated:Drawing1", "Activated:Drawing1"}
        << true;
    QTest::newRow("a second drawing replaces the first")
        << QStringList{"NEW"} << "NEW"
        << QStringList{"CreateStarted:Drawing2",   "Created:Drawing2",
                       "ToBeDeactivated:Drawing1", "Deactivated:Drawing1",
                       "ToBeActivated:Drawing2",   "Activated:Drawing2"}
        << true;
    QTest::newRow("switching drawings deactivates before it activates")
        << QStringList{"NEW", "NEW"} << "activate Drawing1"
        << QStringList{"ToBeDeactivated:Drawing2", "Deactivated:Drawing2", "ToBeActivated:Drawing1",
                       "Activated:Drawing1"}
        << true;
    QTest::newRow("closing one of two brings the other forward")
        << QStringList{"NEW", "NEW"} << "_CLOSE"
        << QStringList{"ToBeDestroyed:Drawing2", "ToBeDeactivated:Drawing2",
                       "Deactivated:Drawing2",   "Destroyed:Drawing2(1 open)",
                       "ToBeActivated:Drawing1", "Activated:Drawing1"}
        << true;
    QTest::newRow("closing the last drawing activates the start page")
        << QStringList{"NEW"} << "_CLOSE"
        << QStringList{"ToBeDestroyed:Drawing1", "ToBeDeactivated:Drawing1", "Deactivated:Drawing1",
                       "Destroyed:Drawing1(0 open)", "StartPageActivated"}
        << false;
    QTest::newRow("the start page comes forward while drawings stay open")
        << QStringList{"NEW"} << "STARTPAGE"
        << QStringList{"ToBeDeactivated:Drawing1", "Deactivated:Drawing1", "StartPageActivated"}
        << false;
    QTest::newRow("a closed start page is shown, then activated")
        << QStringList{"NEW", "hide"} << "STARTPAGE"
        << QStringList{"StartPageShown", "ToBeDeactivated:Drawing1", "Deactivated:Drawing1",
                       "StartPageActivated"}
        << false;
    QTest::newRow("closing the current start page activates a drawing")
        << QStringList{"NEW", "STARTPAGE"} << "hide"
        << QStringList{"StartPageDeactivated", "ToBeActivated:Drawing1", "Activated:Drawing1",
                       "StartPageHidden"}
        << true;
    QTest::newRow("activating the active drawing says nothing")
        << QStringList{"NEW"} << "activate Drawing1" << QStringList{} << true;
    QTest::newRow("the STARTPAGE command on the current start page says nothing")
        << QStringList{} << "STARTPAGE" << QStringList{} << false;
    QTest::newRow("the start page cannot close while nothing else is open")
        << QStringList{} << "hide" << QStringList{"refused"} << false;
    QTest::newRow("CLOSE without a drawing is refused")
        << QStringList{} << "_CLOSE" << QStringList{"refused"} << false;
}

namespace
{
// Runs a command, hides the start page or activates a drawing; a step the
// host refuses leaves "refused" in the list.
void perform(HostRuntime& runtime, const QString& step, QStringList& events)
{
    DocumentManager& docs = runtime.documents();
    bool done = true;
    if (step == "hide")
        done = docs.hideStartPage();
    else if (step.startsWith("activate "))
    {
        for (HostDocument* pDoc : docs.documents())
        {
            if (QString(pDoc->GetTitle()) == step.mid(9))
                docs.activateDocument(pDoc);
        }
    }
    else
        done = runtime.processor().runLine(step) == kTwNormal;
    if (!done)
        events << "refused";
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
        perform(runtime, s, reactor.events);
    reactor.events.clear();
    perform(runtime, step, reactor.events);
    // Command notifications are not the subject here.
    reactor.events.removeIf([](const QString& e)
                            { return e.contains(':') && e.section(':', 1).startsWith('_'); });
    QCOMPARE(reactor.events, expected);
    QCOMPARE(runtime.documents().HasActiveDocument() != 0, hasActive);
    QCOMPARE(ACTIVE_DOCUMENT() != nullptr, hasActive);
    QCOMPARE(runtime.documents().IsStartPageActive(), !hasActive);
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
