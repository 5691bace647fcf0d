#pragma once

// The drawing host's runtime with the calculator module loaded from its
// built file, as the host loads it. The panel is reached only through the
// host's dock and object names: the test knows the module as the host does.

#include "../support/HostDriving.h"

#include <CTwCollapsibleGroupBox.h>
#include <CommandLine.h>
#include <CommandProcessor.h>
#include <Documents.h>
#include <HostEditor.h>
#include <HostMainWindow.h>
#include <HostRuntime.h>
#include <ModuleManager.h>
#include <UIManager.h>
#include <UserInput.h>

#include <QAbstractButton>
#include <QDockWidget>
#include <QLineEdit>
#include <QtTest>

#include <dlfcn.h>

#include <memory>

class ModuleHost
{
public:
    enum Order
    {
        ModuleFirst, // as --load does: the module sees the main UI being built
        UiFirst,     // as LOAD does later: no mainUiCreated for the module
    };

    void start(Order order = ModuleFirst)
    {
        runtime = std::make_unique<HostRuntime>();
        if (order == ModuleFirst)
            QVERIFY(runtime->modules().load(MODULE_PATH));
        runtime->createMainUi();
        runtime->mainWindow()->resize(1200, 800);
        runtime->mainWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(runtime->mainWindow()));
        if (order == UiFirst)
            QVERIFY(runtime->modules().load(MODULE_PATH));
        runtime->openSampleDrawing();
    }
    void stop() { runtime.reset(); }

    // Command-line input, one line each, run to the end.
    void run(const QStringList& lines) { runLines(*runtime, lines); }

    QDockWidget* dock() const
    {
        return runtime->mainWindow()->findChild<QDockWidget*>(QStringLiteral("Smart Calculator"));
    }
    template <class T = QWidget> T* panelChild(const char* pszName) const
    {
        QDockWidget* pDock = dock();
        return pDock ? pDock->findChild<T*>(QLatin1String(pszName)) : nullptr;
    }
    QLineEdit* line() const { return panelChild<QLineEdit>("lineEdit_calc"); }
    void click(const char* pszButton)
    {
        auto* pButton = panelChild<QAbstractButton>(pszButton);
        QVERIFY2(pButton, pszButton);
        QTest::mouseClick(pButton, Qt::LeftButton);
    }
    // Which groups are open, in the order Functions, Scientific, Measurement
    // tools, Unit conversion: "1" open, "0" collapsed.
    QString openGroups() const
    {
        QString open;
        for (const char* name :
             {"gb_calcFunc", "gb_Scientific", "gb_MeasurementTools", "gb_UnitConv"})
        {
            auto* pBox = panelChild<CTwCollapsibleGroupBox>(name);
            open += !pBox ? '-' : pBox->isCollapsed() ? '0' : '1';
        }
        return open;
    }
    // The drawing-dependent tools, each on its own: the measurement tools,
    // then the command-line button; "1" enabled, "0" disabled.
    QString hostTools() const
    {
        QString enabled;
        for (const char* name : {"w_MeasurementTools", "button_copyCommand"})
            enabled += panelChild(name)->isEnabled() ? '1' : '0';
        return enabled;
    }
    QString lastMessage() const
    {
        const QStringList& messages = runtime->commandLine().messages();
        return messages.isEmpty() ? QString() : messages.last();
    }
    // The command line's messages from index iFrom on.
    QStringList messagesFrom(qsizetype iFrom) const
    {
        return runtime->commandLine().messages().mid(iFrom);
    }
    qsizetype messageCount() const { return runtime->commandLine().messages().size(); }

    // Types Qt registered with their interface inside the loaded module's
    // library: once it is closed, the next look-up of such a type by name
    // reads unmapped memory.
    static QStringList metaTypesInModule()
    {
        void* pHandle = ::dlopen(MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
        if (!pHandle)
            return {"(the module is not loaded)"};
        Dl_info module{};
        ::dladdr(::dlsym(pHandle, "odrxCreateModuleObject"), &module);
        ::dlclose(pHandle);
        QStringList names;
        for (int id = QMetaType::User + 1, misses = 0; misses < 256; ++id)
        {
            const QMetaType type(id);
            misses = type.isValid() ? 0 : misses + 1;
            Dl_info at{};
            if (type.isValid() && ::dladdr(type.iface(), &at) && at.dli_fbase == module.dli_fbase)
                names << QString::fromLatin1(type.name());
        }
        return names;
    }

    std::unique_ptr<HostRuntime> runtime;
};
