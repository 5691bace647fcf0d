#pragma once
// The panel driven as a user does, in front of a plain fake host: clicks on
// buttons found by object name, keys, and the host's drawing, command line,
// main window and theme set and read by the test.

#include <CalculatorUI.h>
#include <PanelHost.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
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
    QWidget* mainWindow() const override { return const_cast<QWidget*>(&window); }
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
    QWidget window; // the host's main window
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
