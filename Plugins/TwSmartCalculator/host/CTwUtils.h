#pragma once

#include "TwHostApi.h"

#include <QIcon>
#include <QString>

class TW_HOST_API CTwUtils
{
public:
    // A host icon by number (2 delete, 24 help, 180 clear history), for the
    // current colour theme. A null icon for an unknown number.
    static QIcon GetIcon(int iIconId, int iSize = 16, bool bDisabled = false);
    // A named icon below root: root/<light|dark>/subfolder/name, chosen by
    // the colour theme. iWindowType is reserved.
    static QIcon loadIcon(const QString& strName, const QString& strSubfolder,
                          const QString& strRoot, int iWindowType);
};
