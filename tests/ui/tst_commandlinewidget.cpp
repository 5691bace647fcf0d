#include "ui/CommandLineWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

// The host's command line as a user drives it: typing, Enter, Escape and
// the arrow keys in the input line.
class TestCommandLineWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterEmitsTheLineAndEchoesIt_data();
    void enterEmitsTheLineAndEchoesIt();
    void escapeCancels();
    void recall_data();
    void recall();
    void setInputTextPlacesTextWithoutEntering();
    void throwingReceiverDoesNotEscape();

private:
    QLineEdit* input() const
    {
        return m_widget->findChild<QLineEdit*>(QStringLiteral("commandInput"));
    }
    QString history() const
    {
        return m_widget->findChild<QPlainTextEdit*>(QStringLiteral("commandHistory"))
            ->toPlainText();
    }
    void type(const QString& text, Qt::Key key = Qt::Key_Return)
    {
        QTest::keyClicks(input(), text);
        QTest::keyClick(input(), key);
    }

    CommandLineWidget* m_widget = nullptr;
};

void TestCommandLineWidget::init()
{
    m_widget = new CommandLineWidget;
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestCommandLineWidget::cleanup()
{
    delete m_widget;
    m_widget = nullptr;
}

void TestCommandLineWidget::enterEmitsTheLineAndEchoesIt_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("echo");
    QTest::newRow("Return enters the line after the prompt")
        << "Command:"
        << "LINE" << int(Qt::Key_Return) << "Command: LINE";
    QTest::newRow("keypad Enter enters the line too")
        << "Command:"
        << "_GETDISTANCE" << int(Qt::Key_Enter) << "Command: _GETDISTANCE";
    QTest::newRow("Enter on an empty line is an empty answer")
        << "Specify second point:"
        << "" << int(Qt::Key_Return) << "Specify second point: ";
    QTest::newRow("a prompt ending in a space gets no second one")
        << "Angle: "
        << "_Acute" << int(Qt::Key_Return) << "Angle: _Acute";
    QTest::newRow("markup typed by the user stays text")
        << "Command:"
        << "<b>bold</b>&amp;" << int(Qt::Key_Return) << "Command: <b>bold</b>&amp;";
}

void TestCommandLineWidget::enterEmitsTheLineAndEchoesIt()
{
    QFETCH(QString, prompt);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, echo);
    m_widget->setPrompt(prompt);
    QCOMPARE(m_widget->findChild<QLabel*>(QStringLiteral("commandPrompt"))->text(), prompt);
    QSignalSpy entered(m_widget, &CommandLineWidget::lineEntered);

    type(typed, Qt::Key(key));

    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.at(0).at(0).toString(), typed);
    QCOMPARE(history().split(QLatin1Char('\n')).last(), echo);
    QVERIFY(input()->text().isEmpty());
}

void TestCommandLineWidget::escapeCancels()
{
    QSignalSpy entered(m_widget, &CommandLineWidget::lineEntered);
    QSignalSpy cancelled(m_widget, &CommandLineWidget::cancelRequested);
    type(QStringLiteral("half typed"), Qt::Key_Escape);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(entered.count(), 0);
    QVERIFY(input()->text().isEmpty());
    QVERIFY(history().endsWith(QLatin1String("*Cancel*")));
}

void TestCommandLineWidget::recall_data()
{
    // Entered before each row: "first", "second", "" (empty answer), "third".
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("shown");
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    QTest::newRow("Up shows the last line entered") << "" << QList<int>{up} << "third";
    QTest::newRow("empty answers are not recalled") << "" << QList<int>{up, up} << "second";
    QTest::newRow("Up stops at the oldest line") << "" << QList<int>{up, up, up, up, up} << "first";
    QTest::newRow("Down walks back towards the newest")
        << "" << QList<int>{up, up, up, down} << "second";
    QTest::newRow("Down past the newest restores what was being typed")
        << "draft" << QList<int>{up, up, down, down} << "draft";
    QTest::newRow("Down without browsing keeps the line") << "draft" << QList<int>{down} << "draft";
}

void TestCommandLineWidget::recall()
{
    QFETCH(QString, draft);
    QFETCH(QList<int>, keys);
    QFETCH(QString, shown);
    for (const char* line : {"first", "second", "", "third"})
        type(QString::fromLatin1(line));
    QTest::keyClicks(input(), draft);
    QSignalSpy entered(m_widget, &CommandLineWidget::lineEntered);

    for (int key : keys)
        QTest::keyClick(input(), Qt::Key(key));

    QCOMPARE(input()->text(), shown);
    QCOMPARE(input()->cursorPosition(), shown.size());
    QCOMPARE(entered.count(), 0);
}

void TestCommandLineWidget::setInputTextPlacesTextWithoutEntering()
{
    QSignalSpy entered(m_widget, &CommandLineWidget::lineEntered);
    m_widget->setInputText(QStringLiteral("12.5"));
    QCOMPARE(input()->text(), QStringLiteral("12.5"));
    QCOMPARE(input()->cursorPosition(), 4);
    QCOMPARE(entered.count(), 0);
    QVERIFY(!history().contains(QLatin1String("12.5")));

    // The user can go on typing behind it and enter the whole line.
    type(QStringLiteral("+1"));
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.at(0).at(0).toString(), QStringLiteral("12.5+1"));
}

void TestCommandLineWidget::throwingReceiverDoesNotEscape()
{
    connect(m_widget, &CommandLineWidget::lineEntered, this,
            [](const QString&) { throw std::runtime_error("command exploded"); });
    type(QStringLiteral("BOOM"));
    QVERIFY(history().contains(QLatin1String("command exploded")));
    QVERIFY(input()->isEnabled());
    QVERIFY(input()->text().isEmpty());
}

QTEST_MAIN(TestCommandLineWidget)
#include "tst_commandlinewidget.moc"
