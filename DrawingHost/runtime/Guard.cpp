#include "Guard.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace
{
std::function<void(const QString&)>& guardSink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}
} // namespace

void setGuardReportSink(std::function<void(const QString&)> report)
{
    guardSink() = std::move(report);
}

void reportGuardFailure(const QString& strWhat, const char* pszWhy)
{
    const QString why = pszWhy ? QString::fromLocal8Bit(pszWhy)
                               : QCoreApplication::translate("Guard", "unknown exception");
    const QString text = QCoreApplication::translate("Guard", "Error in %1: %2").arg(strWhat, why);
    if (const auto& sink = guardSink())
        sink(text);
    else
        qWarning("%s", qPrintable(text));
}

bool isFromImage(const void* pObject, const void* pImageBase)
{
    if (!pObject || !pImageBase)
        return false;
    const void* pVtable = *static_cast<const void* const*>(pObject);
    Dl_info info{};
    return ::dladdr(pVtable, &info) != 0 && info.dli_fbase == pImageBase;
}
