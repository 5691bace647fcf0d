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
    // Steps are separated by commas, notifications by spaces.
    const auto Row = [](const char* name, const char* setup, const char* step, const char* expected,
                        bool hasActive)
    {
        QTest::newRow(name) << QString(setup).split(',', Qt::SkipEmptyParts) << QString(step)
                            << QString(expected).split(' ', Qt::SkipEmptyParts) << hasActive;
    };

    Row("a new drawing leaves the start page", "", "NEW",
        "CreateStarted:Drawing1 Created:Drawing1 StartPageDeactivated ToBeActivated:Drawing1 "
        "Activated:Drawing1",
        true);
    Row("a second drawing replaces the first", "NEW", "NEW",
        "CreateStarted:Drawing2 Created:Drawing2 ToBeDeactivated:Drawing1 Deactivated:Drawing1 "
        "ToBeActivated:Drawing2 Activated:Drawing2",
        true);
    Row("switching drawings deactivates before it activates", "NEW,NEW", "activate Drawing1",
        "ToBeDeactivated:Drawing2 Deactivated:Drawing2 ToBeActivated:Drawing1 Activated:Drawing1",
        true);
    Row("closing one of two brings the other forward", "NEW,NEW", "_CLOSE",
        "ToBeDestroyed:Drawing2 ToBeDeactivated:Drawing2 Deactivated:Drawing2 "
        "Destroyed:Drawing2(open:1) ToBeActivated:Drawing1 Activated:Drawing1",
        true);
    Row("closing the last drawing activates the start page", "NEW", "_CLOSE",
        "ToBeDestroyed:Drawing1 ToBeDeactivated:Drawing1 Deactivated:Drawing1 "
        "Destroyed:Drawing1(open:0) StartPageActivated",
        false);
    Row("the start page comes forward while drawings stay open", "NEW", "STARTPAGE",
        "ToBeDeactivated:Drawing1 Deactivated:Drawing1 StartPageActivated", false);
    Row("a closed start page is shown, then activated", "NEW,hide", "STARTPAGE",
        "StartPageShown ToBeDeactivated:Drawing1 Deactivated:Drawing1 StartPageActivated", false);
    Row("closing the current start page activates a drawing", "NEW,STARTPAGE", "hide",
        "StartPageDeactivated ToBeActivated:Drawing1 Activated:Drawing1 StartPageHidden", true);
    Row("activating the active drawing says nothing", "NEW", "activate Drawing1", "", true);
    Row("the STARTPAGE command on the current start page says nothing", "", "STARTPAGE", "", false);
    Row("the start page cannot close while nothing else is open", "", "hide", "refused", false);
    Row("CLOSE without a drawing is refused", "", "_CLOSE", "refused", false);
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
