#pragma once

#include "CTwString.h"
#include "OdRxObject.h"

// A drawing's database: its settings and the values the measuring commands
// leave behind.
class OdDbDatabase : public OdRxObject
{
public:
    // Linear precision, 0 to 8: decimals of lengths, or in the architectural
    // and fractional formats the inch fraction's denominator as a power of two.
    virtual OdInt16 getLUPREC() const = 0;
    virtual void setLUPREC(OdInt16 value) = 0;
    // Angular unit: 0 decimal degrees, 1 degrees/minutes/seconds, 2 grads,
    // 3 radians, 4 surveyor's units.
    virtual OdInt16 getAUNITS() const = 0;
    virtual void setAUNITS(OdInt16 value) = 0;
    // Length format: 1 scientific, 2 decimal, 3 engineering, 4 architectural,
    // 5 fractional. In 3 to 5 the drawing unit is the inch.
    virtual OdInt16 getLUNITS() const = 0;
    virtual void setLUNITS(OdInt16 value) = 0;

    // Last measured values (0 until measured). The angle is in radians,
    // between 0 and pi.
    virtual double getLastDistance() const = 0;
    virtual double getLastArea() const = 0;
    virtual double getLastPerimeter() const = 0;
    virtual double getLastAngle() const = 0;
    virtual void setLastDistance(double value) = 0;
    virtual void setLastArea(double area, double perimeter) = 0;
    virtual void setLastAngle(double radians) = 0;
};
using OdDbDatabasePtr = OdSmartPtr<OdDbDatabase>;

class CTwDocument
{
public:
    virtual ~CTwDocument() = default;
    virtual OdDbDatabasePtr GetDatabase() const = 0;
    virtual CTwString GetTitle() const = 0;
};

// Document notifications, listed in the order of the interface; see
// CTwDocumentManager for the order in which they fire.
class CTwDocumentManagerReactor : public OdRxObject
{
public:
    virtual void DocumentCreateStarted(CTwDocument*) {}
    virtual void DocumentCreated(CTwDocument*) {}
    virtual void DocumentCreateCanceled(CTwDocument*) {}
    virtual void DocumentToBeDestroyed(CTwDocument*) {}
    virtual void DocumentDestroyed(CTwDocument*) {}
    virtual void DocumentToBeActivated(CTwDocument*) {}
    virtual void DocumentToBeDeactivated(CTwDocument*) {}
    virtual void DocumentActivated(CTwDocument*) {}
    virtual void DocumentDeactivated(CTwDocument*) {}
};

// The open drawings. The active document is the drawing whose tab is current;
// while the start page is current there is none.
//   new drawing:  CreateStarted, Created, then the activation below
//   activation:   ToBeDeactivated(old), Deactivated(old), ToBeActivated(new),
//                 Activated(new)
//   close:        ToBeDestroyed, (deactivation if active), Destroyed, then the
//                 activation of the drawing or start page that comes forward
class CTwDocumentManager
{
public:
    virtual ~CTwDocumentManager() = default;
    virtual int HasActiveDocument() const = 0;
    virtual CTwDocument* GetActiveDocument() const = 0;
    virtual OdUInt16 DocumentCount() const = 0;
    virtual void AddReactor(CTwDocumentManagerReactor* pReactor) = 0;
    virtual void RemoveReactor(CTwDocumentManagerReactor* pReactor) = 0;
};

// The active drawing, or null.
TW_HOST_API CTwDocument* TwActiveDocument();
#define ACTIVE_DOCUMENT() TwActiveDocument()
