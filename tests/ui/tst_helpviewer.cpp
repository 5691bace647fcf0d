#include "ui/HelpViewer.h"

#include <QApplication>
#include <QLocale>
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
    void pageInTheUiLanguage_data();
    void pageInTheUiLanguage();
    void keysClose_data();
    void keysClose();
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
    QTest::newRow("3108 in German where the interface is German")
        << 3108 << "qrc:/help/smart_calculator_de.html" << "Einheiten umrechnen";
    QTest::newRow("an unknown topic in German") << 42 << "qrc:/help/index_de.html"
                                                << "nicht verfügbar";
}

void TestHelpViewer::topicShowsItsPage()
{
    QFETCH(int, topic);
    QFETCH(QString, source);
    QFETCH(QString, mentions);
    // The host's language is the default locale's.
    const QLocale previous;
    QLocale::setDefault(QLocale(source.contains("_de") ? "de_DE" : "C"));
    HelpViewer::showTopic(nullptr, topic);
    QLocale::setDefault(previous);
    QWidget* window = HelpViewer::window();
    QVERIFY(window && window->isVisible() && !window->isModal());
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    QCOMPARE(browser->source().toString(), source);
    QVERIFY(browser->toPlainText().contains(mentions, Qt::CaseInsensitive));
}

void TestHelpViewer::pageInTheUiLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("page");
    QTest::newRow("German") << "de_DE"
                            << "qrc:/help/smart_calculator_de.html";
    QTest::newRow("German as Austria writes it") << "de_AT"
                                                 << "qrc:/help/smart_calculator_de.html";
    QTest::newRow("a language without pages reads English") << "fr_FR"
                                                            << "qrc:/help/smart_calculator.html";
    QTest::newRow("the C locale reads English") << "C"
                                                << "qrc:/help/smart_calculator.html";
}

void TestHelpViewer::pageInTheUiLanguage()
{
    QFETCH(QString, locale);
    QTEST(HelpViewer::pageForTopic(3108, QLocale(locale)), "page");
}

void TestHelpViewer::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
}

void TestHelpViewer::keysClose()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    HelpViewer::showTopic(nullptr, 3108);
    QWidget* window = HelpViewer::window();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!window->isVisible());
    // Shown again on the next request.
    HelpViewer::showTopic(nullptr, 3108);
    QVERIFY(window->isVisible());
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
