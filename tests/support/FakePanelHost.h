#pragma once
// A plain stand-in for the CAD host behind the panel: a drawing whose
// settings and measured values the test sets, a command line and a main
// window it reads back, the measuring commands asked for, and icons that say
// which theme they were drawn for.

#include <PanelHost.h>

#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

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
    bool runMeasuringCommand(const QString& strCommand) override
    {
        commands << strCommand;
        return !refuse;
    }
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
    void showHelp() override { ++helpShown; }
    QWidget* makeGroup(QWidget* pParent, const QString& strTitle, QWidget* pContent) override
    {
        return new FakeGroup(pParent, strTitle, pContent);
    }
    void setGroupCollapsed(QWidget* pGroup, bool bCollapse) override
    {
        static_cast<FakeGroup*>(pGroup)->body->setVisible(!bCollapse);
    }

    std::optional<Drawing> drawing;
    QStringList commands;
    bool refuse = false;
    QString commandLine;
    QWidget window;
    bool dark = false;
    int helpShown = 0;
};
