#include "HelpViewer.h"

#include "ScreenFit.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace
{

const QString kCalculatorPage = QStringLiteral("smart_calculator");
// Says that the topic asked for is missing and lists the topics there are.
const QString kIndexPage = QStringLiteral("index");

QPointer<QWidget> g_window;
QPointer<QTextBrowser> g_browser;

// The English page is "<name>.html", a translation "<name>_<language>.html".
QString localizedPage(const QString& name, const QLocale& locale)
{
    for (const QString& uiLanguage : locale.uiLanguages())
    {
        const QString language = QLocale(uiLanguage).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            break;
        const QString path = QStringLiteral(":/help/%1_%2.html").arg(name, language);
        if (QFile::exists(path))
            return QStringLiteral("qrc") + path;
    }
    return QStringLiteral("qrc:/help/%1.html").arg(name);
}

void addCloseKeys(QWidget* window)
{
    // Escape as in a dialog, Ctrl+W as in a browser tab, and whatever the
    // platform closes a document with; each key once, or Qt would find it
    // ambiguous and act on none.
    QList<QKeySequence> keys = {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
    {
        if (!keys.contains(key))
            keys << key;
    }
    auto* close = new QAction(QCoreApplication::translate("HelpViewer", "Close"), window);
    close->setObjectName(QStringLiteral("helpClose"));
    close->setShortcuts(keys);
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    window->addAction(close);
}

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

    addCloseKeys(window);

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

QString HelpViewer::pageForTopic(int topicId, const QLocale& locale)
{
    return localizedPage(topicId == kSmartCalculatorTopic ? kCalculatorPage : kIndexPage, locale);
}

void HelpViewer::showTopic(QWidget* parent, int topicId)
{
    if (!g_window || !g_browser)
        g_window = createWindow(parent);
    g_browser->setSource(QUrl(pageForTopic(topicId)));
    // Where the person left an open window, it stays.
    if (!g_window->isVisible())
        fitOnScreen(*g_window, parent ? parent : g_window->parentWidget());
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

QWidget* HelpViewer::window()
{
    return g_window.data();
}
