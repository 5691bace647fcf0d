#include "HostRuntime.h"

#include "CommandLine.h"
#include "CommandProcessor.h"
#include "Documents.h"
#include "Guard.h"
#include "HostCommands.h"
#include "HostEditor.h"
#include "HostMainWindow.h"
#include "HostUserIO.h"
#include "ModuleManager.h"
#include "SystemServices.h"
#include "UIManager.h"
#include "UserInput.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace
{
HostRuntime* g_runtime = nullptr;
}

struct HostRuntime::HostCommands : HostCommandSet
{
    using HostCommandSet::HostCommandSet;
};

HostRuntime::HostRuntime(QObject* parent) : QObject(parent)
{
    Q_ASSERT_X(!g_runtime, "HostRuntime", "one runtime per process");
    g_runtime = this;
    m_commandLine = std::make_unique<CommandLine>();
    setGuardReportSink([this](const QString& text) { m_commandLine->message(text); });
    m_input = std::make_unique<UserInput>(*m_commandLine);
    m_userIO = std::make_unique<HostUserIO>(*m_input);
    m_commandStack = std::make_unique<HostOwnedRxObject<HostCommandStack>>();
    m_commandStack->setWarningSink([this](const QString& text) { m_commandLine->message(text); });
    m_editor = std::make_unique<HostOwnedRxObject<HostEditor>>(*m_commandStack);
    m_documents = std::make_unique<DocumentManager>(*m_editor);
    m_ui = std::make_unique<UIManager>();
    m_processor = std::make_unique<CommandProcessor>(*m_commandLine, *m_input, *m_commandStack,
                                                     *m_editor, *m_documents);
    m_input->setRunningCommands(m_processor.get());
    m_services = std::make_unique<SystemServices>(*m_commandLine, *m_input, *m_processor,
                                                  *m_documents, *m_ui);
    m_help = std::make_unique<HostHelp>();
    m_modules = std::make_unique<ModuleManager>(*m_input, *m_commandStack, *m_processor);
    // Where a module may leave reactors or widgets behind.
    m_modules->addCleanup([this](const void* pBase) { return m_editor->purgeImage(pBase); });
    m_modules->addCleanup([this](const void* pBase) { return m_documents->purgeImage(pBase); });
    m_modules->addCleanup([this](const void* pBase) { return m_ui->purgeImage(pBase); });
    m_modules->addCleanup([this](const void* pBase)
                          { return m_mainWindow ? m_mainWindow->purgeImage(pBase) : 0; });
    registerHostCommands();

    if (auto* pApp = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    {
        connect(pApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state)
                { m_editor->fireAppActivated(state == Qt::ApplicationActive); });
    }
}

HostRuntime::~HostRuntime()
{
    shutdown();
    // The host's commands go before the stack that holds them.
    if (m_hostCommands)
        m_hostCommands->unregisterFrom(*m_commandStack);
    m_hostCommands.reset();
    m_modules.reset();
    m_processor.reset();
    m_documents.reset();
    setGuardReportSink(nullptr);
    g_runtime = nullptr;
}

HostRuntime* HostRuntime::instance()
{
    return g_runtime;
}

HostMainWindow* HostRuntime::mainWindow() const
{
    return m_mainWindow.get();
}

void HostRuntime::registerHostCommands()
{
    m_hostCommands = std::make_unique<HostCommands>(
        HostCommandParts{*m_userIO, *m_documents, *m_ui, *m_modules, *m_services});
    m_hostCommands->registerWith(*m_commandStack);
}

HostMainWindow* HostRuntime::createMainUi()
{
    if (m_mainWindow)
        return m_mainWindow.get();
    m_mainWindow = std::make_unique<HostMainWindow>(MainWindowParts{
        *m_commandLine, *m_input, *m_processor, *m_commandStack, *m_documents, *m_ui, *m_services});
    m_services->setMainFrame(m_mainWindow.get());
    m_help->setDefaultOwner(m_mainWindow.get());
    m_mainWindow->buildUi();
    m_editor->fireMainUiCreated();
    return m_mainWindow.get();
}

void HostRuntime::destroyMainUi()
{
    if (!m_mainWindow)
        return;
    m_editor->fireMainUiToBeDestroyed();
    dropMainWindow();
}

void HostRuntime::dropMainWindow()
{
    m_mainWindow->tearDown();
    m_services->setMainFrame(nullptr);
    m_help->setDefaultOwner(nullptr);
    m_mainWindow.reset();
}

HostDocument* HostRuntime::openSampleDrawing()
{
    return m_documents->openSampleDrawing();
}

HostDocument* HostRuntime::newDrawing()
{
    return m_documents->newDrawing();
}

void HostRuntime::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_editor->fireBeginQuit();
    m_input->clearPending();
    m_processor->cancelAll();
    m_documents->closeAll();
    if (m_mainWindow)
        m_editor->fireMainUiToBeDestroyed();
    m_modules->unloadAll();
    if (m_mainWindow)
        dropMainWindow();
}
