// The functions the host interface exports to modules, over the runtime
// instance. Each returns null (or a neutral value) while no runtime exists.

#include "CommandProcessor.h"
#include "Documents.h"
#include "HostEditor.h"
#include "HostRuntime.h"
#include "HostUserIO.h"
#include "SystemServices.h"
#include "UIManager.h"
#include "ui/HostIcons.h"
#include "ui/Theme.h"

#include <CTwUtils.h>
#include <OdResBuf.h>

#include <QFile>

#include <cstdlib>

namespace
{
class HostResBuf : public OdResBuf
{
public:
    explicit HostResBuf(int restype) : m_restype(restype) {}

    int restype() const override { return m_restype; }
    void setRestype(int restype) override { m_restype = restype; }
    OdString getString() const override { return m_string; }
    void setString(const OdString& str) override { m_string = str; }
    double getDouble() const override { return m_double; }
    void setDouble(double value) override { m_double = value; }
    OdInt32 getInt32() const override { return m_int; }
    void setInt32(OdInt32 value) override { m_int = value; }

    OdResBufPtr next() const override { return m_next; }
    OdResBufPtr last() const override
    {
        const OdResBuf* pLast = this;
        // Bounded walk: a list made circular by mistake must not hang.
        for (int guard = 0; guard < 1000000; ++guard)
        {
            OdResBufPtr next = pLast->next();
            if (!next)
                break;
            pLast = next.get();
        }
        return OdResBufPtr(const_cast<OdResBuf*>(pLast));
    }
    OdResBufPtr setNext(OdResBuf* pNext) override
    {
        m_next = OdResBufPtr(pNext);
        return m_next;
    }

private:
    int m_restype;
    OdString m_string;
    double m_double = 0.0;
    OdInt32 m_int = 0;
    OdResBufPtr m_next;
};
} // namespace

OdResBufPtr OdResBuf::newRb(int restype)
{
    return OdRxObjectImpl<HostResBuf>::createObject(restype);
}

void* odrxAlloc(std::size_t nBytes)
{
    return std::malloc(nBytes ? nBytes : 1);
}

void* odrxRealloc(void* pMemBlock, std::size_t newSize, std::size_t)
{
    return std::realloc(pMemBlock, newSize ? newSize : 1);
}

void odrxFree(void* pMemBlock)
{
    std::free(pMemBlock);
}

CTwSystemServices* GetTwSystemServices()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime ? &pRuntime->services() : nullptr;
}

OdEdCommandStackPtr odedRegCmds()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime ? OdEdCommandStackPtr(&pRuntime->commandStack()) : OdEdCommandStackPtr();
}

OdEditorPtr odedEditor()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime ? OdEditorPtr(&pRuntime->editor()) : OdEditorPtr();
}

CTwDocument* TwActiveDocument()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime ? pRuntime->documents().GetActiveDocument() : nullptr;
}

CTwStartPageManager* GetTwStartPageManager()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime ? &pRuntime->documents() : nullptr;
}

CTwUserIO* GetTwUserIO(OdEdCommandContext* pCmdCtx)
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return (pRuntime && pCmdCtx) ? &pRuntime->userIO() : nullptr;
}

CTwHelp* GetTwHelp()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime ? &pRuntime->help() : nullptr;
}

namespace
{
bool darkTheme()
{
    HostRuntime* pRuntime = HostRuntime::instance();
    return pRuntime && isDarkTheme(pRuntime->ui().colorTheme());
}

QIcon iconAt(const QString& strPath, int iSize, bool bDisabled)
{
    if (strPath.isEmpty())
        return QIcon();
    QIcon icon(strPath);
    if (bDisabled && iSize > 0)
    {
        // A disabled-looking icon as the only state of the returned icon.
        QIcon disabled;
        disabled.addPixmap(icon.pixmap(QSize(iSize, iSize), QIcon::Disabled));
        return disabled;
    }
    return icon;
}
} // namespace

QIcon CTwUtils::GetIcon(int iIconId, int iSize, bool bDisabled)
{
    return iconAt(iconPathForId(iIconId, darkTheme()), iSize, bDisabled);
}

QIcon CTwUtils::loadIcon(const QString& strName, const QString& strSubfolder,
                         const QString& strRoot, int)
{
    const QString theme = darkTheme() ? QStringLiteral("dark") : QStringLiteral("light");
    QString root = strRoot.isEmpty() ? QStringLiteral(":/images") : strRoot;
    if (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    QString folder = strSubfolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (const char* pszSuffix : {".svg", ".png"})
    {
        const QString path = QStringLiteral("%1/%2/%3%4%5")
                                 .arg(root, theme, folder, strName, QLatin1String(pszSuffix));
        if (QFile::exists(path))
            return QIcon(path);
    }
    // The icons the host documents by name, wherever they are kept.
    return iconAt(iconPathForName(strName, theme == QLatin1String("dark")), 0, false);
}
