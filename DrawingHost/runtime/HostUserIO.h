#pragma once

#include "RuntimeExport.h"
#include "UnitFormatter.h"

#include <CTwUserIO.h>

#include <QCoreApplication>

class UserInput;

// The prompting object every command gets through GetTwUserIO: prompts on the
// command line, answers from UserInput. A malformed answer gets a message and
// the same prompt again; Escape ends the prompt with kTwCancel.
class DH_RUNTIME_EXPORT HostUserIO : public CTwUserIO
{
    Q_DECLARE_TR_FUNCTIONS(HostUserIO)

public:
    explicit HostUserIO(UserInput& input) : m_input(input) {}

    void SetKeywords(int iFlags, const CTwKeywordArray& keywords) override;
    CTwString LastKeyword() const override { return m_lastKeyword; }
    CTwString ComposePrompt(const CTwString& strPrompt,
                            const CTwKeywordArray& keywords) const override;
    int GetKeyword(const CTwString& strPrompt, const CTwKeywordArray& keywords,
                   CTwString& strAnswer, int iFlags, int iDefault) override;
    int GetPoint(const CTwString& strPrompt, QPointF& point, int iFlags = 0) override;
    int GetInteger(const CTwString& strPrompt, int& iValue, int iFlags = 0) override;
    int GetString(const CTwString& strPrompt, CTwString& strValue) override;
    void PutMessage(const CTwString& strMessage) override;
    CTwUnitFormatter* GetUnitFormatter() override { return &m_formatter; }

    enum class Match
    {
        Found,
        Ambiguous,
        Unknown,
    };
    // The keyword an answer names: a local keyword, a global name, or a
    // prefix of exactly one local keyword, all ignoring case.
    static Match matchKeyword(const QString& strAnswer, const CTwKeywordArray& keywords,
                              CTwString& strGlobal);

    // "x,y" with optional spaces; false for anything else.
    static bool parsePoint(const QString& strText, QPointF& point);

private:
    // Takes the keywords SetKeywords gave for this one call.
    CTwKeywordArray takeKeywords(int& iFlags);
    // Answers that are keywords of the list: true when handled (status set).
    bool keywordAnswer(const QString& strLine, const CTwKeywordArray& keywords, int& iStatus);

    UserInput& m_input;
    UnitFormatter m_formatter;
    CTwKeywordArray m_keywords;
    int m_keywordFlags = 0;
    CTwString m_lastKeyword;
};
