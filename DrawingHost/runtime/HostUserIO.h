#pragma once

#include "RuntimeExport.h"
#include "UnitFormatter.h"
#include "UserInput.h"

#include <CTwUserIO.h>

#include <QCoreApplication>

#include <functional>

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
    // A refused answer: shown like a message, and counted so that a script
    // with a bad line fails.
    void refuse(const QString& strMessage);
    CTwUnitFormatter* GetUnitFormatter() override { return &m_formatter; }
    const UnitFormatter& formatter() const { return m_formatter; }

    enum class Match
    {
        Found,
        Ambiguous,
        Unknown,
    };
    // The keyword an answer names, ignoring case: a local keyword, a global
    // name, or a prefix of exactly one local keyword that takes in its
    // shortcut.
    static Match matchKeyword(const QString& strAnswer, const CTwKeywordArray& keywords,
                              CTwString& strGlobal);
    // The letters a local keyword shows in capitals, as prompts do in CAD
    // programs: "A" of "Acute", "SP" of "SPitz", "X" of "eXit"; empty for a
    // keyword without capitals, which any prefix answers.
    static QString shortcutOf(const QString& strKeyword);

    // "x,y" with optional spaces; false for anything else.
    static bool parsePoint(const QString& strText, QPointF& point);

private:
    // Takes the keywords SetKeywords gave for this one call.
    CTwKeywordArray takeKeywords(int& iFlags);
    // One prompt, asked until an answer fits: an empty answer (onEmpty, else
    // kTwNone where allowed, else refused with emptyRefusal), an answer that
    // accept takes (kTwNormal), one of the keywords (keywordStatus), or a
    // refusal with invalid's message and the same prompt again.
    struct Prompt
    {
        Prompt(const QString& strText, UserInput::Answer kind, int iPromptFlags,
               const CTwKeywordArray& promptKeywords)
            : text(strText), answer(kind), iFlags(iPromptFlags), keywords(promptKeywords)
        {
        }
        QString text;
        UserInput::Answer answer;
        int iFlags = 0;
        CTwKeywordArray keywords;
        int keywordStatus = kTwKeyword;
        QString emptyRefusal;
        std::function<int()> onEmpty;
        std::function<bool(const QString&)> accept;
        std::function<QString(const QString&)> invalid;
    };
    int ask(const Prompt& prompt);

    UserInput& m_input;
    UnitFormatter m_formatter;
    CTwKeywordArray m_keywords;
    int m_keywordFlags = 0;
    CTwString m_lastKeyword;
};
