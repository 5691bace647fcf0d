#pragma once

#include "RuntimeExport.h"

#include <CTwHelp.h>
#include <CTwSystemServices.h>

#include <QCoreApplication>
#include <QPointer>

class CommandLine;
class CommandProcessor;
class DocumentManager;
class UIManager;
class UserInput;

// GetTwSystemServices(): the host's services over the runtime's parts.
class DH_RUNTIME_EXPORT SystemServices : public CTwSystemServices
{
    Q_DECLARE_TR_FUNCTIONS(SystemServices)

public:
    SystemServices(CommandLine& commandLine, UserInput& input, CommandProcessor& processor,
                   DocumentManager& documents, UIManager& ui)
        : m_commandLine(commandLine), m_input(input), m_processor(processor),
          m_documents(documents), m_ui(ui)
    {
    }
    // The main window, while there is one.
    void setMainFrame(CTwMainFrame* pFrame) { m_mainFrame = pFrame; }

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
    CommandLine& m_commandLine;
    UserInput& m_input;
    CommandProcessor& m_processor;
    DocumentManager& m_documents;
    UIManager& m_ui;
    CTwMainFrame* m_mainFrame = nullptr;
};

// GetTwHelp(): the help window's topics.
class DH_RUNTIME_EXPORT HostHelp : public CTwHelp
{
public:
    // Help windows without a parent of their own belong to pOwner.
    void setDefaultOwner(QWidget* pOwner) { m_owner = pOwner; }
    bool Help(const CTwString& strHelpName, int iTopicId, bool bSearch, QWidget* pParent,
              int iFlags) override;
    // Topics asked for so far, oldest first.
    const QList<int>& requestedTopics() const { return m_topics; }

private:
    QPointer<QWidget> m_owner;
    QList<int> m_topics;
};
