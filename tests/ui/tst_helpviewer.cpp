#include "ui/HelpViewer.h"

#include <QTest>
#include <QTextBrowser>
#include <QWidget>

// The calculator's help button opens topic 3108 through the host.
class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void topicShowsItsPage_data();
    void topicShowsItsPage();
    void oneWindowIsReusedUntilItsParentGoes();
};

void TestHelpViewer::topicShowsItsPage_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("3108 is the calculator's page") << 3108 << "qrc:/help/smart_calculator.html"
                                                   << "Unit conversion";
    QTest::newRow("an unknown topic says it is not available") << 42 << "qrc:/help/index.html"
                                                               << "not available";
}

void TestHelpViewer::topicShowsItsPage()
{
    QFETCH(int, topic);
    QFETCH(QString, source);
    QFETCH(QString, mentions);
    HelpViewer::showTopic(nullptr, topic);
    QWidget* window = HelpViewer::window();
    QVERIFY(window && window->isVisible() && !window->isModal());
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    QCOMPARE(browser->source().toString(), source);
    QVERIFY(browser->toPlainText().contains(mentions, Qt::CaseInsensitive));
}

void TestHelpViewer::oneWindowIsReusedUntilItsParentGoes()
{
    delete HelpViewer::window();
    auto* host = new QWidget;
    host->show();
    HelpViewer::showTopic(host, 3108);
    QWidget* first = HelpViewer::window();
    HelpViewer::showTopic(nullptr, 1);
    HelpViewer::showTopic(host, 3108);
    QCOMPARE(HelpViewer::window(), first);
    QVERIFY(first->isWindow());

    delete host; // takes its help window along
    QVERIFY(!HelpViewer::window());
    HelpViewer::showTopic(nullptr, 3108);
    QVERIFY(HelpViewer::window() && HelpViewer::window()->isVisible());
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
