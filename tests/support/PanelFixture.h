#pragma once
// The panel driven as a user does, in front of a fake host: clicks on
// buttons found by object name, keys, and the host's drawing set by the test.

#include "FakePanelHost.h"

#include <CalculatorUI.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <memory>

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
    void openDrawing(int luprec, int aunits) { host->drawing = PanelHost::Drawing{luprec, aunits}; }

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

    FakePanelHost* host = nullptr;
    std::unique_ptr<CalculatorUI> panel;
};
