#pragma once

#include "CTwString.h"
#include "TwHostApi.h"

class QWidget;

// The help topic of the calculator's page.
inline constexpr int kTwSmartCalculatorTopic = 3108;

class CTwHelp
{
public:
    virtual ~CTwHelp() = default;
    // Opens the host's help at iTopicId. bSearch opens the search instead of
    // the topic (this host has none and shows the topic); iFlags is reserved.
    virtual bool Help(const CTwString& strHelpName, int iTopicId, bool bSearch, QWidget* pParent,
                      int iFlags) = 0;
};

TW_HOST_API CTwHelp* GetTwHelp();
