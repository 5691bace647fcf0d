#pragma once
// The panel driven as a user does, in front of a plain fake host: clicks on
// buttons found by object name, keys, and the host's drawing, command line
// and theme set and read by the test.

#include <CalculatorUI.h>
#include <PanelHost.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// The host's collapsible group as far as the panel relies on it: a header
// button that takes the keyboard, and a content hidden while collapsed.
class FakeGroup : public QWidget
{
public:
    FakeGroup(QWidget* pParent, const QString& title, QWidget* pContent)
        : QWidget(pParent), header(new QToolButton(this)), body(new QWidget(this))
    {
        header->setText(title);
        header->setFocusPolicy(Qt::StrongFocus);
        (new QVBoxLayout(body))->addWidget(pContent);
        auto* pLayout = new QVBoxLayout(this);
        pLayout->addWidget(header);
        pLayout->addWidget(body);
    }
    QToolButton* header;
    QWidget* body;
};

class FakePanelHost : public PanelHost
{
public:
    std::optional<Drawing> activeDrawing() const override { return drawing; }
    bool runMeasuringCommand(const QString&) override { return true; }
    void sendToCommandLine(const QString& text) override { commandLine = text; }
    // None: activating the host's window is the host's (the module tests see it).
    QWidget* mainWindow() const override { return nullptr; }
    bool isDarkTheme() const override { return dark; }
    // White drawn for the dark theme, black for the light one.
    QIcon icon(int) const override
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(dark ? Qt::white : Qt::black);
        return QIcon(pixmap);
    }
    QIcon namedIcon(const QString&, const QString&) const override { return icon(0); }
    void showHelp() override {}
    QWidget* makeGroup(QWidget* pParent, const QString& strTitle, QWidget* pContent) override
    {
        return new FakeGroup(pParent, strTitle, pContent);
    }
    void setGroupCollapsed(QWidget* pGroup, bool bCollapse) override
    {
        static_cast<FakeGroup*>(pGroup)->body->setVisible(!bCollapse);
    }

    std::optional<Drawing> drawing;
    QString commandLine;
    bool dark = false;
};

template <class T = QWidget> T* child(QWidget* pPanel, const char* pszName)
{
    T* pWidget = pPanel->findChild<T*>(QLatin1String(pszName));
    if (!pWidget)
        qFatal("no widget %s", pszName);
    return pWidget;
}

class PanelFixture
{
public:
    // A shown and active panel, no drawing open.
    void openPanel()
    {
        auto pHost = std::make_unique<FakePanelHost>();
        host = pHost.get();
        panel = std::make_unique<CalculatorUI>(std::move(pHost));
        panel->show();
        QApplication::setActiveWindow(panel.get());
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        line()->setFocus();
    }
    void closePanel()
    {
        panel.reset();
        host = nullptr;
    }
    void openDrawing(int luprec, int aunits, int lunits = 2)
    {
        host->drawing = PanelHost::Drawing{luprec, aunits, 0.0, 0.0, 0.0, lunits};
    }

    QLineEdit* line() const { return child<QLineEdit>(panel.get(), "lineEdit_calc"); }
    QTableWidget* history() const { return child<QTableWidget>(panel.get(), "twHistory"); }
    QLabel* errorLabel() const { return child<QLabel>(panel.get(), "errorMessage"); }
    QLabel* preview() const { return child<QLabel>(panel.get(), "label_preview"); }

    void click(const char* pszButton)
    {
        QTest::mouseClick(child<QAbstractButton>(panel.get(), pszButton), Qt::LeftButton);
    }
    // Escape, then text pasted with Ctrl+V, as a user replaces the line.
    void setLine(const QString& text, int cursor = -1)
    {
        QTest::keyClick(line(), Qt::Key_Escape);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(line(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(line()->text(), text);
        line()->setCursorPosition(cursor < 0 ? int(text.size()) : cursor);
    }
    void calculate(const QString& text)
    {
        setLine(text);
        QTest::keyClick(line(), Qt::Key_Return);
    }
    bool newestRowShown() const
    {
        const QTableWidgetItem* pNewest = history()->item(history()->rowCount() - 1, 0);
        return pNewest && history()->viewport()->rect().contains(history()->visualItemRect(pNewest));
    }
    QPoint cellCentre(int row, int column) const
    {
        return history()->visualItemRect(history()->item(row, column)).center();
    }
    // The tool tip a pause over the history's cell shows; empty for none.
    QString toolTipAt(int row, int column)
    {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return "(an earlier tool tip stayed up)";
        const QPoint at = cellCentre(row, column);
        QHelpEvent event(QEvent::ToolTip, at, history()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(history()->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // Right-clicks the history at pos (viewport coordinates) and chooses the
    // entry named choose.
    void openMenu(QPoint pos, const QString& choose)
    {
        QTimer::singleShot(0,
                           [&]
                           {
                               auto* pMenu =
                                   qobject_cast<QMenu*>(QApplication::activePopupWidget());
                               for (QAction* pAction : pMenu->actions())
                               {
                                   if (pAction->text() == choose)
                                       pAction->trigger();
                               }
                               pMenu->close();
                           });
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos,
                                history()->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(history()->viewport(), &event);
    }

    // Plays steps, separated by "; ", as a user does, and returns what the
    // steps starting with "?" read, separated by "; ". Steps:
    //   "line=TEXT" or "line=TEXT|CURSOR"  the line replaced (Escape, paste)
    //   "calc=TEXT"    the line replaced and Return pressed
    //   "type:TEXT"    typed key by key; "key:NAME" a key, Qt::Key_NAME,
    //                  after "ctrl+" if held (both where the keyboard is)
    //   "click"        a click at the line's end; "insert:TEXT" a paste by
    //                  mouse (an edit that is no key)
    //   "drawing=P,A[,L]"  a drawing of linear precision P, angular unit A
    //                  and length format L (2 without)
    //   "rows=N"       N calculations, "0" to "N-1"; "scroll=R" the history
    //                  scrolled to show row R at its top
    //   "pick:R,C", "dclick:R,C"  a click, a double click on a history cell
    //   "menu:R,C,ENTRY"  the cell's menu entry (R -1: below the rows)
    //   "delete:R"     the delete button in the row, pressed
    //   "focus:NAME", "set:NAME=TEXT"  the keyboard to a widget, a field's text
    //   "button_..."   a click on the button
    //   "?line", "?cursor", "?clip" (the clipboard), "?cmd" (the host's
    //   command line), "?rows", "?cell:R,C", "?error" ("!" and its tool tip),
    //   "?preview" (once due), "?memory" (MR's tool tip), "?M" (the memory's
    //   mark), "?current" (row), "?top" (the history's top row), "?newest"
    //   ("shown" while the newest row is wholly in view), "?tip:R,C" (a
    //   cell's tool tip), "?focus", "?said" (the line's description, which
    //   readers speak)
    QString play(const QString& steps)
    {
        QStringList log;
        for (const QString& step : steps.split("; "))
        {
            QWidget* pKeys = QApplication::focusWidget() ? QApplication::focusWidget() : line();
            const QString arg = step.section(QRegularExpression("[:=]"), 1);
            const QStringList args = arg.split(',');
            if (step.startsWith("line="))
                setLine(arg.section('|', 0, 0),
                        arg.contains('|') ? arg.section('|', 1).toInt() : -1);
            else if (step.startsWith("calc="))
                calculate(arg);
            else if (step.startsWith("type:"))
                QTest::keyClicks(pKeys, arg);
            else if (step.startsWith("key:"))
                QTest::keyClick(pKeys,
                                Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(
                                    ("Key_" + arg.section('+', -1)).toLatin1())),
                                arg.startsWith("ctrl+") ? Qt::ControlModifier : Qt::NoModifier);
            else if (step == "click")
                QTest::mouseClick(line(), Qt::LeftButton, {}, QPoint(line()->width() - 4, 8));
            else if (step.startsWith("insert:"))
                line()->insert(arg);
            else if (step.startsWith("drawing="))
                openDrawing(args.at(0).toInt(), args.at(1).toInt(), args.value(2, "2").toInt());
            else if (step.startsWith("rows="))
            {
                for (int i = 0; i < arg.toInt(); ++i)
                    calculate(QString::number(i));
            }
            else if (step.startsWith("scroll="))
                history()->scrollToItem(history()->item(arg.toInt(), 0),
                                        QAbstractItemView::PositionAtTop);
            else if (step.startsWith("pick:") || step.startsWith("dclick:"))
            {
                const QPoint at = cellCentre(args.at(0).toInt(), args.at(1).toInt());
                QTest::mouseClick(history()->viewport(), Qt::LeftButton, {}, at);
                if (step.startsWith("dclick:"))
                    QTest::mouseDClick(history()->viewport(), Qt::LeftButton, {}, at);
            }
            else if (step.startsWith("menu:"))
                openMenu(args.at(0).toInt() < 0
                             ? QPoint(5, 60)
                             : cellCentre(args.at(0).toInt(), args.at(1).toInt()),
                         arg.section(',', 2));
            // Pressed without taking the focus, as a screen reader presses it:
            // a focused cell widget would make its row current anyway.
            else if (step.startsWith("delete:"))
                qobject_cast<QAbstractButton*>(
                    history()->viewport()->childAt(cellCentre(arg.toInt(), 2)))
                    ->click();
            else if (step.startsWith("focus:"))
                child(panel.get(), qPrintable(arg))->setFocus();
            else if (step.startsWith("set:"))
                child<QLineEdit>(panel.get(), qPrintable(arg.section('=', 0, 0)))
                    ->setText(arg.section('=', 1));
            else if (step.startsWith("button_"))
                click(qPrintable(step));
            else if (step.startsWith('?'))
                log << read(step.mid(1));
            else
                qFatal("unknown step %s", qPrintable(step));
        }
        return log.join("; ");
    }
    QString read(const QString& what)
    {
        if (what == "preview")
            QTest::qWait(10); // deferred to the event loop
        const QStringList args = what.section(':', 1).split(',');
        if (what.startsWith("cell:"))
            return history()->item(args.at(0).toInt(), args.at(1).toInt())->text();
        if (what.startsWith("tip:"))
            return toolTipAt(args.at(0).toInt(), args.at(1).toInt());
        const QMap<QString, QString> values = {
            {"line", line()->text()},
            {"cursor", QString::number(line()->cursorPosition())},
            {"clip", QGuiApplication::clipboard()->text()},
            {"cmd", host->commandLine},
            {"rows", QString::number(history()->rowCount())},
            {"error", (errorLabel()->text() + ' ' + errorLabel()->toolTip()).trimmed()},
            {"preview", preview()->text()},
            {"memory", child(panel.get(), "button_mr")->toolTip()},
            {"M", child(panel.get(), "label_memory")->isVisible() ? "M" : ""},
            {"said", line()->accessibleDescription()},
            {"current", QString::number(history()->currentRow())},
            {"top", QString::number(history()->rowAt(0))},
            {"newest", newestRowShown() ? "shown" : "cut"},
            {"focus",
             QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""}};
        if (!values.contains(what))
            qFatal("nothing to read as %s", qPrintable(what));
        return values.value(what);
    }

    // A family of rows: steps played, what they read.
    static void columns()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("log");
    }
    static void row(const char* name, const QString& steps, const char* log)
    {
        QTest::newRow(name) << steps << QString(log);
    }
    void playRow()
    {
        QFETCH(QString, steps);
        QTEST(play(steps), "log");
    }

    FakePanelHost* host = nullptr;
    std::unique_ptr<CalculatorUI> panel;
};
