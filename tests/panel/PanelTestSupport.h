#pragma once

// Helpers shared by the panel tests: a panel inside the drawing host's
// runtime (so the active drawing, its precision and angle unit are real),
// driven as a user does: clicks on buttons found by object name and keys.

#include <CalculatorUI.h>
#include <Documents.h>
#include <HostRuntime.h>

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
        panel = std::make_unique<CalculatorUI>();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        line()->setFocus();
    }
    void closePanel()
    {
        panel.reset();
        runtime.documents().closeAll();
    }

    // The sample drawing with the given linear precision and angular unit.
    void openDrawing(int luprec, int aunits)
    {
        HostDocument* pDoc = runtime.openSampleDrawing();
        pDoc->database()->setLUPREC(OdInt16(luprec));
        pDoc->database()->setAUNITS(OdInt16(aunits));
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
    // A key press carrying a native virtual key, as the window system sends it.
    static void nativeKey(QWidget* pTarget, int key, const QString& text, quint32 nativeVirtualKey)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier, 0, nativeVirtualKey, 0, text);
        QApplication::sendEvent(pTarget, &press);
    }

    HostRuntime runtime;
    std::unique_ptr<CalculatorUI> panel;
};
