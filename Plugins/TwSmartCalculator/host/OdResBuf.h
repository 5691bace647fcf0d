#pragma once

#include "OdRxObject.h"
#include "OdString.h"

class OdResBuf;
using OdResBufPtr = OdSmartPtr<OdResBuf>;

// Type codes of a result buffer.
enum OdResBufType : int
{
    kRtNone = 5000, // end of a list
    kRtDouble = 5001,
    kRtInt32 = 5003,
    kRtString = 5005,
};

// Status codes of commands, prompts and requests. A result buffer that reports
// a status carries it as its restype.
enum TwStatus : int
{
    kTwNormal = 5100,
    kTwNone = 5000, // empty answer where one is allowed
    kTwError = -5001,
    kTwCancel = -5002,
    kTwKeyword = -5005, // a keyword answered a prompt for something else
};

// A linked list of typed values, as requests and command lists pass them.
// Created by the host (newRb) and counted; the list holds its successors.
class OdResBuf : public OdRxObject
{
public:
    TW_HOST_API static OdResBufPtr newRb(int restype = kRtNone);

    virtual int restype() const = 0;
    virtual void setRestype(int restype) = 0;

    virtual OdString getString() const = 0;
    virtual void setString(const OdString& str) = 0;
    virtual double getDouble() const = 0;
    virtual void setDouble(double value) = 0;
    virtual OdInt32 getInt32() const = 0;
    virtual void setInt32(OdInt32 value) = 0;

    virtual OdResBufPtr next() const = 0;
    // The last buffer of the list that starts here (this one if alone).
    virtual OdResBufPtr last() const = 0;
    // Replaces the successor; returns the new successor.
    virtual OdResBufPtr setNext(OdResBuf* pNext) = 0;
    OdResBufPtr setNext(const OdResBufPtr& pNext) { return setNext(pNext.get()); }
};
