#include "ui/CommandLineWidget.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

// The host's command line as a user drives it: typing, Enter, Space, Escape
// and the arrow keys in the input line.
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
    QString history() const
    {
        return m_widget->findChild<QPlainTextEdit*>("commandHistory")->toPlainText();
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
    QTest::addColumn<bool>("spaceEnds");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("entered");
    // Return, Space and prompts that keep spaces are typed into the host's
    // window in tst_hostmainwindow; these are what it does not type.
    QTest::newRow("keypad Enter enters the line")
        << true << "_GETAREA" << int(Qt::Key_Enter) << QStringList{"_GETAREA"};
    QTest::newRow("Space ends the line at the first space typed")
        << true << "3, 4" << int(Qt::Key_Return) << QStringList{"3,", "4"};
    QTest::newRow("Escape cancels and drops the line")
        << false << "half typed" << int(Qt::Key_Escape) << QStringList{};
}

void TestCommandLineWidget::keysEnterOrCancel()
{
    QFETCH(bool, spaceEnds);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QStringList, entered);
    m_widget->setSpaceEndsLine(spaceEnds);
    QSignalSpy enteredSpy(m_widget, &CommandLineWidget::lineEntered);
    QSignalSpy cancelled(m_widget, &CommandLineWidget::cancelRequested);

    type(typed, Qt::Key(key));

    QStringList got;
    for (const QList<QVariant>& args : std::as_const(enteredSpy))
        got << args.at(0).toString();
    QCOMPARE(got, entered);
    QCOMPARE(cancelled.count(), key == Qt::Key_Escape ? 1 : 0);
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
    QCOMPARE(history(), QStringLiteral("command exploded"));
    QVERIFY(input()->text().isEmpty());
}

QTEST_MAIN(TestCommandLineWidget)
#include "tst_commandlinewidget.moc"
