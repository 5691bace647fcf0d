#include "ui/CommandLineWidget.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

// The host's command line as a user drives it: typing, Enter, Escape and the
// arrow keys in the input line.
class TestCommandLineWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_widget = new CommandLineWidget;
        m_widget->show();
    }
    void cleanup() { delete m_widget; }
    void keysEnterOrCancel_data();
    void keysEnterOrCancel();
    void recall_data();
    void recall();
    void throwingReceiverDoesNotEscape();

private:
    QLineEdit* input() const { return m_widget->findChild<QLineEdit*>("commandInput"); }
    QString lastHistoryLine() const
    {
        auto* pHistory = m_widget->findChild<QPlainTextEdit*>("commandHistory");
        return pHistory->toPlainText().section('\n', -1);
    }
    void type(const QString& text, Qt::Key key = Qt::Key_Return)
    {
        QTest::keyClicks(input(), text);
        QTest::keyClick(input(), key);
    }

    CommandLineWidget* m_widget = nullptr;
};

void TestCommandLineWidget::keysEnterOrCancel_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("echo");
    const int ret = Qt::Key_Return;
    QTest::newRow("Return enters the line after the prompt")
        << "Command:" << ret << "LINE" << QString("Command: LINE");
    QTest::newRow("keypad Enter enters the line too")
        << "Command:" << int(Qt::Key_Enter) << "_GETAREA" << QString("Command: _GETAREA");
    QTest::newRow("Enter on an empty line is an empty answer")
        << "Second point:" << ret << "" << QString("Second point: ");
    QTest::newRow("a prompt ending in a space gets no second one")
        << "Angle: " << ret << "_Acute" << QString("Angle: _Acute");
    QTest::newRow("markup typed by the user stays text")
        << "Command:" << ret << "<b>x</b>&amp;" << QString("Command: <b>x</b>&amp;");
    QTest::newRow("Escape cancels and drops the line")
        << "Command:" << int(Qt::Key_Escape) << "half typed" << QString("*Cancel*");
}

void TestCommandLineWidget::keysEnterOrCancel()
{
    QFETCH(QString, prompt);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(QString, echo);
    m_widget->setPrompt(prompt);
    QSignalSpy entered(m_widget, &CommandLineWidget::lineEntered);
    QSignalSpy cancelled(m_widget, &CommandLineWidget::cancelRequested);

    type(typed, Qt::Key(key));

    const bool cancel = key == Qt::Key_Escape;
    QCOMPARE(cancelled.count(), cancel ? 1 : 0);
    QCOMPARE(entered.count(), cancel ? 0 : 1);
    if (!cancel)
        QCOMPARE(entered.at(0).at(0).toString(), typed);
    QCOMPARE(lastHistoryLine(), echo);
    QVERIFY(input()->text().isEmpty());
}

void TestCommandLineWidget::recall_data()
{
    // Entered before each row: "first", "second", "" (an empty answer), "third";
    // then the draft is placed in the line, as a module sends it.
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("shown");
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    QTest::newRow("placed text is not entered and the cursor is at its end")
        << "12.5" << QList<int>{} << "12.5";
    QTest::newRow("Up shows the last line entered") << "" << QList{up} << "third";
    QTest::newRow("empty answers are not recalled") << "" << QList{up, up} << "second";
    QTest::newRow("Up stops at the oldest line") << "" << QList{up, up, up, up, up} << "first";
    QTest::newRow("Down walks back towards the newest")
        << "" << QList{up, up, up, down} << "second";
    QTest::newRow("Down past the newest restores the draft")
        << "draft" << QList{up, up, down, down} << "draft";
    QTest::newRow("Down without browsing keeps the line") << "draft" << QList{down} << "draft";
}

void TestCommandLineWidget::recall()
{
    QFETCH(QString, draft);
    QFETCH(QList<int>, keys);
    QFETCH(QString, shown);
    for (const char* line : {"first", "second", "", "third"})
        type(QString::fromLatin1(line));
    QSignalSpy entered(m_widget, &CommandLineWidget::lineEntered);
    m_widget->setInputText(draft);

    for (int key : keys)
        QTest::keyClick(input(), Qt::Key(key));

    QCOMPARE(input()->text(), shown);
    QCOMPARE(input()->cursorPosition(), shown.size());
    QCOMPARE(entered.count(), 0);
}

void TestCommandLineWidget::throwingReceiverDoesNotEscape()
{
    connect(m_widget, &CommandLineWidget::lineEntered, this,
            [](const QString&) { throw std::runtime_error("command exploded"); });
    type(QStringLiteral("BOOM"));
    QCOMPARE(lastHistoryLine(), QStringLiteral("command exploded"));
    QVERIFY(input()->text().isEmpty());
}

QTEST_MAIN(TestCommandLineWidget)
#include "tst_commandlinewidget.moc"
