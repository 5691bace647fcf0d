#include "SystemServices.h"

#include "CommandLine.h"
#include "CommandProcessor.h"
#include "Documents.h"
#include "UIManager.h"
#include "UserInput.h"
#include "ui/HelpViewer.h"

#include <QApplication>
#include <QRegularExpression>

CTwDocumentManager* SystemServices::GetDocumentManager() const
{
    return &m_documents;
}

CTwMainFrame* SystemServices::GetMainFrame() const
{
    return m_mainFrame;
}

CTwUIManager* SystemServices::GetUIManager() const
{
    return &m_ui;
}

int SystemServices::GetColorTheme() const
{
    return m_ui.colorTheme();
}

CTwString SystemServices::GetHelpName() const
{
    return CTwString(u"drawinghost");
}

OdResBufPtr SystemServices::SendMacro(const CTwString& strMacro, int)
{
    // "^C" cancels; ';' and line breaks end an input line, as in menu macros.
    static const QRegularExpression separators(QStringLiteral("[;\\r\\n]"));
    QString macro = strMacro;
    if (macro.contains(QLatin1String("^C"), Qt::CaseInsensitive))
    {
        m_commandLine.clearInput();
        m_processor.cancelAll();
        macro.remove(QLatin1String("^C"), Qt::CaseInsensitive);
    }
    QStringList lines = macro.split(separators);
    // "NEW;" ends with an empty piece that is the Enter of the last line,
    // not an extra empty answer.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (!lines.isEmpty())
        m_input.enqueue(lines);
    return OdResBuf::newRb(kTwNormal);
}

int SystemServices::ExecuteCommandList(int, const OdResBuf* pList)
{
    if (!pList || pList->restype() != kRtString || pList->getString().isEmpty())
    {
        m_commandLine.message(tr("A command list must start with a command name."));
        return kTwError;
    }
    const QString name = QString::fromStdU16String(pList->getString().str());
    QStringList inputs;
    // Bounded so that a list that loops back on itself cannot hang the host.
    int guard = 10000;
    for (OdResBufPtr rb = pList->next(); rb && rb->restype() != kRtNone && guard-- > 0;
         rb = rb->next())
    {
        switch (rb->restype())
        {
        case kRtString:
            inputs.append(QString::fromStdU16String(rb->getString().str()));
            break;
        case kRtDouble:
            inputs.append(QString::number(rb->getDouble(), 'g', 17));
            break;
        case kRtInt32:
            inputs.append(QString::number(rb->getInt32()));
            break;
        default:
            break;
        }
    }
    m_processor.queueCommand(name, inputs);
    return kTwNormal;
}

OdResBufPtr SystemServices::EvaluateRequest(CTwExpressionParserData& parserData, int iRequestType,
                                            const CTwString& strRequest)
{
    if (iRequestType != kRtString || strRequest.isEmpty())
        return OdResBuf::newRb(kTwError);
    return m_processor.evaluate(strRequest, parserData.bAllowNested, parserData.bEchoCommand);
}

bool HostHelp::Help(const CTwString&, int iTopicId, bool, QWidget* pParent, int)
{
    m_topics.append(iTopicId);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    QWidget* pOwner = pParent ? pParent : m_owner.data();
    HelpViewer::showTopic(pOwner, iTopicId);
    return true;
}
