#pragma once

#include "RuntimeExport.h"

#include <CTwCommand.h>

#include <QCoreApplication>

#include <vector>

class DocumentManager;
class HostCommandStack;
class HostUserIO;
class ModuleManager;
class SystemServices;
class UIManager;

// What the host's commands work on, handed to each when it is made.
struct HostCommandParts
{
    HostUserIO& io;
    DocumentManager& documents;
    UIManager& ui;
    ModuleManager& modules;
    SystemServices& services;
};

// Class names carry "Host" so that they never meet a module's own
// command classes in the dynamic symbol table.
// A command of the host itself: group "DRAWINGHOST", global name with a
// leading underscore, local name without.
class DH_RUNTIME_EXPORT HostCommand : public CTwCommand
{
public:
    const OdString groupName() const override { return OdString(u"DRAWINGHOST"); }
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    HostCommand(const char* pszLocalName, const HostCommandParts& parts)
        : m_parts(parts), m_localName(pszLocalName)
    {
    }

    const HostCommandParts m_parts;

private:
    const char* m_localName;
};

#define DH_DECLARE_HOST_COMMAND(Class, Name)                                                       \
    class Class : public HostCommand                                                               \
    {                                                                                              \
        Q_DECLARE_TR_FUNCTIONS(Class)                                                              \
                                                                                                   \
    public:                                                                                        \
        explicit Class(const HostCommandParts& parts) : HostCommand(Name, parts) {}                \
                                                                                                   \
    protected:                                                                                     \
        int RunCommand(OdEdCommandContext* pCmdCtx) override;                                      \
    };

// Measuring: each stores its result in the drawing and prints it.
DH_DECLARE_HOST_COMMAND(HostGetDistanceCommand, "GETDISTANCE")
DH_DECLARE_HOST_COMMAND(HostGetAreaCommand, "GETAREA")
DH_DECLARE_HOST_COMMAND(HostGetAngleCommand, "GETANGLE")
// Drawing settings.
DH_DECLARE_HOST_COMMAND(HostLunitsCommand, "LUNITS")
DH_DECLARE_HOST_COMMAND(HostLuprecCommand, "LUPREC")
DH_DECLARE_HOST_COMMAND(HostAunitsCommand, "AUNITS")
// Documents, start page and user interface.
DH_DECLARE_HOST_COMMAND(HostNewCommand, "NEW")
DH_DECLARE_HOST_COMMAND(HostCloseCommand, "CLOSE")
DH_DECLARE_HOST_COMMAND(HostStartPageCommand, "STARTPAGE")
DH_DECLARE_HOST_COMMAND(HostThemeCommand, "THEME")
DH_DECLARE_HOST_COMMAND(HostWorkspaceCommand, "WORKSPACE")
DH_DECLARE_HOST_COMMAND(HostQuitCommand, "QUIT")
// Modules: load by path, unload by file name or path, list.
DH_DECLARE_HOST_COMMAND(HostLoadCommand, "LOAD")
DH_DECLARE_HOST_COMMAND(HostUnloadCommand, "UNLOAD")
DH_DECLARE_HOST_COMMAND(HostModulesCommand, "MODULES")
// Where a widget, a menu-bar menu or a toolbar button is on the screen, by
// object name: for tools that drive the host from outside with real input.
DH_DECLARE_HOST_COMMAND(HostLocateCommand, "LOCATE")

// The host's commands, owned by the runtime.
struct DH_RUNTIME_EXPORT HostCommandSet
{
    explicit HostCommandSet(const HostCommandParts& parts);

    OdStaticRxObject<HostGetDistanceCommand> getDistance;
    OdStaticRxObject<HostGetAreaCommand> getArea;
    OdStaticRxObject<HostGetAngleCommand> getAngle;
    OdStaticRxObject<HostLunitsCommand> lunits;
    OdStaticRxObject<HostLuprecCommand> luprec;
    OdStaticRxObject<HostAunitsCommand> aunits;
    OdStaticRxObject<HostNewCommand> newDrawing;
    OdStaticRxObject<HostCloseCommand> close;
    OdStaticRxObject<HostStartPageCommand> startPage;
    OdStaticRxObject<HostThemeCommand> theme;
    OdStaticRxObject<HostWorkspaceCommand> workspace;
    OdStaticRxObject<HostQuitCommand> quit;
    OdStaticRxObject<HostLoadCommand> load;
    OdStaticRxObject<HostUnloadCommand> unload;
    OdStaticRxObject<HostModulesCommand> modules;
    OdStaticRxObject<HostLocateCommand> locate;

    void registerWith(HostCommandStack& stack);
    void unregisterFrom(HostCommandStack& stack);

private:
    std::vector<OdEdCommand*> all();
};

// Geometry of the measuring commands.
namespace HostGeometry
{
// Absolute area of a simple polygon (shoelace formula).
DH_RUNTIME_EXPORT double polygonArea(const QList<QPointF>& points);
// Length of the closed outline.
DH_RUNTIME_EXPORT double polygonPerimeter(const QList<QPointF>& points);
// Angle between the directions a and b in radians, 0..pi; 0 for parallel
// lines of one direction.
DH_RUNTIME_EXPORT double angleBetween(QPointF a, QPointF b);
} // namespace HostGeometry
