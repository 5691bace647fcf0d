#pragma once

#include "RuntimeExport.h"

#include <CTwHelp.h>
#include <CTwSystemServices.h>

#include <QCoreApplication>

class HostRuntime;

// GetTwSystemServices(): the host's services over the runtime's parts.
class DH_RUNTIME_EXPORT SystemServices : public CTwSystemServices
{
    Q_DECLARE_TR_FUNCTIONS(SystemServices)

public:
    explicit SystemServices(HostRuntime& runtime) : m_runtime(runtime) {}

    CTwDocumentManager* GetDocumentManager() const override;
    CTwMainFrame* GetMainFrame() const override;
    CTwUIManager* GetUIManager() const override;
    int GetColorTheme() const override;
    CTwString GetHelpName() const override;
    OdResBufPtr SendMacro(const CTwString& strMacro, int iFlags) override;
    int ExecuteCommandList(int iFlags, const OdResBuf* pList) override;
    using CTwSystemServices::ExecuteCommandList;
    OdResBufPtr EvaluateRequest(CTwExpressionParserData& parserData, int iRequestType,
                                const CTwString& strRequest) override;

private:
    HostRuntime& m_runtime;
};

// GetTwHelp(): the help window's topics.
class DH_RUNTIME_EXPORT HostHelp : public CTwHelp
{
public:
    explicit HostHelp(HostRuntime& runtime) : m_runtime(runtime) {}
    bool Help(const CTwString& strHelpName, int iTopicId, bool bSearch, QWidget* pParent,
              int iFlags) override;
    // Topics asked for so far, oldest first.
    const QList<int>& requestedTopics() const { return m_topics; }

private:
    HostRuntime& m_runtime;
    QList<int> m_topics;
};
