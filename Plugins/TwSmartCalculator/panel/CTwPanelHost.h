#pragma once
// The panel's host interface over the CAD host's platform interface: what the
// module hands the panel. Every host object may be missing (while the host
// starts or shuts down); a missing one skips that step only.

#include "PanelHost.h"

class CTwPanelHost : public PanelHost
{
public:
    std::optional<Drawing> activeDrawing() const override;
    bool runMeasuringCommand(const QString& strCommand) override;
    void sendToCommandLine(const QString& text) override;
    QWidget* mainWindow() const override;
    bool isDarkTheme() const override;
    QIcon icon(int iIconId) const override;
    QIcon namedIcon(const QString& strName, const QString& strSubfolder) const override;
    void showHelp() override;
    QWidget* makeGroup(QWidget* pParent, const QString& strTitle, QWidget* pContent) override;
    void setGroupCollapsed(QWidget* pGroup, bool bCollapse) override;
};
