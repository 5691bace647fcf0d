#include "HelpViewer.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace
{

const QString kCalculatorPage = QStringLiteral("qrc:/help/smart_calculator.html");
// Says that the topic asked for is missing and lists the topics there are.
const QString kIndexPage = QStringLiteral("qrc:/help/index.html");

QPointer<QWidget> g_window;
QPointer<QTextBrowser> g_browser;

void deleteWindow()
{
    // A top-level window outlives QApplication unless someone deletes it.
    delete g_window.data();
}

QWidget* createWindow(QWidget* parent)
{
    auto* window = new QWidget(parent ? parent->window() : nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("helpViewer"));
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->resize(720, 640);

    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);

    auto* back = new QToolButton(window);
    back->setObjectName(QStringLiteral("helpBack"));
    back->setArrowType(Qt::LeftArrow);
    back->setToolTip(QCoreApplication::translate("HelpViewer", "Back"));
    back->setEnabled(false);
    auto* forward = new QToolButton(window);
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setArrowType(Qt::RightArrow);
    forward->setToolTip(QCoreApplication::translate("HelpViewer", "Forward"));
    forward->setEnabled(false);

    QObject::connect(back, &QToolButton::clicked, browser, &QTextBrowser::backward);
    QObject::connect(forward, &QToolButton::clicked, browser, &QTextBrowser::forward);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    QObject::connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    QObject::connect(
        browser, &QTextBrowser::sourceChanged, window,
        [window, browser]
        {
            const QString title = browser->documentTitle();
            window->setWindowTitle(
                title.isEmpty()
                    ? QCoreApplication::translate("HelpViewer", "Help")
                    : QCoreApplication::translate("HelpViewer", "Help - %1").arg(title));
        });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(browser, 1);

    static bool cleanupRegistered = false;
    if (!cleanupRegistered)
    {
        qAddPostRoutine(deleteWindow);
        cleanupRegistered = true;
    }
    g_browser = browser;
    return window;
}

} // namespace

QString HelpViewer::pageForTopic(int topicId)
{
    return topicId == kSmartCalculatorTopic ? kCalculatorPage : kIndexPage;
}

void HelpViewer::showTopic(QWidget* parent, int topicId)
{
    if (!g_window || !g_browser)
        g_window = createWindow(parent);
    g_browser->setSource(QUrl(pageForTopic(topicId)));
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

QWidget* HelpViewer::window()
{
    return g_window.data();
}
