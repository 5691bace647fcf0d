#pragma once

#include "CTwString.h"
#include "OdEdCommand.h"
#include "OdResBuf.h"

#include <QList>
#include <QPointF>

struct CTwKeyword
{
    CTwString globalName; // language-independent, usually with a leading '_'
    CTwString localName;  // as shown and typed
};

class CTwKeywordArray
{
public:
    void push_back(const CTwString& strGlobal, const CTwString& strLocal)
    {
        m_keywords.push_back(CTwKeyword{strGlobal, strLocal});
    }
    int size() const { return int(m_keywords.size()); }
    bool isEmpty() const { return m_keywords.isEmpty(); }
    const CTwKeyword& at(int i) const { return m_keywords.at(i); }
    QList<CTwKeyword>::const_iterator begin() const { return m_keywords.begin(); }
    QList<CTwKeyword>::const_iterator end() const { return m_keywords.end(); }

private:
    QList<CTwKeyword> m_keywords;
};

// Formats values in the active drawing's units.
class CTwUnitFormatter
{
public:
    virtual ~CTwUnitFormatter() = default;

    // dRadians as text.
    //   iUnit       angular unit 0..4, -1 the drawing's
    //   iPrecision  decimals, -1 the drawing's linear precision
    //   iZeros      1 drops trailing zeros of the decimals; -1 or 0 keeps them
    //   bAngle      true: the value is an angle, so surveyor's units (which
    //               only name directions) print it in decimal degrees; false:
    //               a direction counterclockwise from east, printed as a
    //               bearing such as N 45d0'0" E
    virtual CTwString AngleToText(double dRadians, int iUnit = -1, int iPrecision = -1,
                                  int iZeros = -1, bool bAngle = true) const = 0;
    // A length in the drawing's length format (LUNITS), at iPrecision (-1 the
    // drawing's LUPREC): 126.5000, or 10'-6 1/2" in an architectural drawing.
    virtual CTwString DistanceToText(double dValue, int iPrecision = -1) const = 0;
};

// The prompting object of a running command. Every Get* call shows its prompt
// on the command line and waits for an answer; Escape cancels (kTwCancel).
//
// Prompt flags (SetKeywords, GetKeyword, GetPoint, GetInteger):
//   kTwAllowEmpty  an empty answer returns kTwNone instead of asking again
class CTwUserIO
{
public:
    enum
    {
        kTwAllowEmpty = 1,
    };

    virtual ~CTwUserIO() = default;

    // Keywords that the next Get* call accepts besides its own kind of
    // answer; GetPoint and GetInteger then return kTwKeyword and the keyword's
    // global name through LastKeyword().
    virtual void SetKeywords(int iFlags, const CTwKeywordArray& keywords) = 0;
    virtual CTwString LastKeyword() const = 0;
    // "Prompt [Local1/Local2]:"
    virtual CTwString ComposePrompt(const CTwString& strPrompt,
                                    const CTwKeywordArray& keywords) const = 0;
    // Accepts a local keyword, a global name, or an unambiguous prefix of a
    // local keyword, ignoring case. strAnswer is the keyword's global name.
    // iDefault: 1-based index of the keyword that an empty answer picks
    // (0: none).
    virtual int GetKeyword(const CTwString& strPrompt, const CTwKeywordArray& keywords,
                           CTwString& strAnswer, int iFlags, int iDefault) = 0;
    // A point typed as "x,y" (or picked in the drawing view).
    virtual int GetPoint(const CTwString& strPrompt, QPointF& point, int iFlags = 0) = 0;
    virtual int GetInteger(const CTwString& strPrompt, int& iValue, int iFlags = 0) = 0;
    virtual int GetString(const CTwString& strPrompt, CTwString& strValue) = 0;

    virtual void PutMessage(const CTwString& strMessage) = 0;
    virtual CTwUnitFormatter* GetUnitFormatter() = 0;
};

// The prompting object of the command running with pCmdCtx; null without one.
TW_HOST_API CTwUserIO* GetTwUserIO(OdEdCommandContext* pCmdCtx);
