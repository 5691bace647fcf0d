#pragma once

#include "RuntimeExport.h"

#include <CTwCommand.h>

#include <QCoreApplication>

class HostCommandStack;

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
    explicit HostCommand(const char* pszLocalName) : m_localName(pszLocalName) {}

private:
    const char* m_localName;
};

#define DH_DECLARE_HOST_COMMAND(Class, Name)                                                       \
    class Class : public HostCommand                                                               \
    {                                                                                              \
        Q_DECLARE_TR_FUNCTIONS(Class)                                                              \
                                                                                                   \
    public:                                                                                        \
        Class() : HostCommand(Name) {}                                                             \
                                                                                                   \
    protected:                                                                                     \
        int RunCommand(OdEdCommandContext* pCmdCtx) override;                                      \
    };

// Measuring: each stores its result in the drawing and prints it.
DH_DECLARE_HOST_COMMAND(HostGetDistanceCommand, "GETDISTANCE")
DH_DECLARE_HOST_COMMAND(HostGetAreaCommand, "GETAREA")
DH_DECLARE_HOST_COMMAND(HostGetAngleCommand, "GETANGLE")
// Drawing settings.
DH_DECLARE_HOST_COMMAND(HostLuprecCommand, "LUPREC")
DH_DECLARE_HOST_COMMAND(HostAunitsCommand, "AUNITS")
// Documents, start page and user interface.
DH_DECLARE_HOST_COMMAND(HostNewCommand, "NEW")
DH_DECLARE_HOST_COMMAND(HostCloseCommand, "CLOSE")
DH_DECLARE_HOST_COMMAND(HostStartPageCommand, "STARTPAGE")
DH_DECLARE_HOST_COMMAND(HostThemeCommand, "THEME")
DH_DECLARE_HOST_COMMAND(HostWorkspaceCommand, "WORKSPACE")
DH_DECLARE_HOST_COMMAND(HostQuitCommand, "QUIT")

// The host's commands, owned by the runtime.
struct DH_RUNTIME_EXPORT HostCommandSet
{
    OdStaticRxObject<HostGetDistanceCommand> getDistance;
    OdStaticRxObject<HostGetAreaCommand> getArea;
    OdStaticRxObject<HostGetAngleCommand> getAngle;
    OdStaticRxObject<HostLuprecCommand> luprec;
    OdStaticRxObject<HostAunitsCommand> aunits;
    OdStaticRxObject<HostNewCommand> newDrawing;
    OdStaticRxObject<HostCloseCommand> close;
    OdStaticRxObject<HostStartPageCommand> startPage;
    OdStaticRxObject<HostThemeCommand> theme;
    OdStaticRxObject<HostWorkspaceCommand> workspace;
    OdStaticRxObject<HostQuitCommand> quit;

    void registerWith(HostCommandStack& stack);
    void unregisterFrom(HostCommandStack& stack);
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
