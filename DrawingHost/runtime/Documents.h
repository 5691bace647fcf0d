#pragma once

#include "ReactorList.h"
#include "RuntimeExport.h"
#include "ui/DrawingGeometry.h"

#include <CTwDocument.h>
#include <CTwStartPage.h>

#include <QList>
#include <QObject>
#include <QPointer>

class HostEditor;

class DH_RUNTIME_EXPORT HostDatabase : public OdDbDatabase
{
public:
    static constexpr OdInt16 kMaxLUPREC = 8;
    static constexpr OdInt16 kMaxAUNITS = 4;
    static constexpr OdInt16 kMinLUNITS = 1;
    static constexpr OdInt16 kMaxLUNITS = 5;

    OdInt16 getLUPREC() const override { return m_luprec; }
    // Values outside the range are clamped: the settings commands check the
    // range before, and a module cannot put a drawing out of range.
    void setLUPREC(OdInt16 value) override;
    OdInt16 getAUNITS() const override { return m_aunits; }
    void setAUNITS(OdInt16 value) override;
    OdInt16 getLUNITS() const override { return m_lunits; }
    void setLUNITS(OdInt16 value) override;

    double getLastDistance() const override { return m_distance; }
    double getLastArea() const override { return m_area; }
    double getLastPerimeter() const override { return m_perimeter; }
    double getLastAngle() const override { return m_angle; }
    void setLastDistance(double value) override { m_distance = value; }
    void setLastArea(double area, double perimeter) override
    {
        m_area = area;
        m_perimeter = perimeter;
    }
    void setLastAngle(double radians) override { m_angle = radians; }

private:
    OdInt16 m_luprec = 4;
    OdInt16 m_aunits = 0;
    OdInt16 m_lunits = 2; // decimal
    double m_distance = 0.0;
    double m_area = 0.0;
    double m_perimeter = 0.0;
    double m_angle = 0.0;
};

class DH_RUNTIME_EXPORT HostDocument : public QObject, public CTwDocument
{
    Q_OBJECT

public:
    HostDocument(const QString& strTitle, const DrawingGeometry& geometry,
                 QObject* parent = nullptr);

    OdDbDatabasePtr GetDatabase() const override { return m_database; }
    CTwString GetTitle() const override { return m_title; }
    HostDatabase* database() const { return m_pDatabase; }
    const DrawingGeometry& geometry() const { return m_geometry; }

private:
    QString m_title;
    DrawingGeometry m_geometry;
    OdDbDatabasePtr m_database;
    HostDatabase* m_pDatabase = nullptr;
};

// The open drawings and the start page, and which of them is current (the
// central tab). The main window follows the signals; the notifications to
// document and start-page reactors fire here, in the order CTwDocument.h
// describes.
class DH_RUNTIME_EXPORT DocumentManager : public QObject,
                                          public CTwDocumentManager,
                                          public CTwStartPageManager
{
    Q_OBJECT

public:
    explicit DocumentManager(HostEditor& editor, QObject* parent = nullptr);
    ~DocumentManager() override;

    // CTwDocumentManager
    int HasActiveDocument() const override { return m_active ? 1 : 0; }
    CTwDocument* GetActiveDocument() const override { return m_active; }
    OdUInt16 DocumentCount() const override { return OdUInt16(m_documents.size()); }
    void AddReactor(CTwDocumentManagerReactor* pReactor) override { m_docReactors.add(pReactor); }
    void RemoveReactor(CTwDocumentManagerReactor* pReactor) override
    {
        m_docReactors.remove(pReactor);
    }

    // CTwStartPageManager
    void AddReactor(CTwStartPageReactor* pReactor) override { m_pageReactors.add(pReactor); }
    void RemoveReactor(CTwStartPageReactor* pReactor) override { m_pageReactors.remove(pReactor); }
    bool IsStartPageActive() const override { return m_startPageCurrent; }
    // Document and start-page reactors together.
    int reactorCount() const { return m_docReactors.size() + m_pageReactors.size(); }

    HostDocument* activeDocument() const { return m_active; }
    const QList<HostDocument*>& documents() const { return m_documents; }
    bool isStartPageShown() const { return m_startPageShown; }

    // "Drawing1", "Drawing2", ... not yet used by an open drawing.
    QString nextTitle() const;
    HostDocument* createDocument(const QString& strTitle, const DrawingGeometry& geometry);
    // An empty drawing titled nextTitle().
    HostDocument* newDrawing();
    // The drawing the host starts with.
    HostDocument* openSampleDrawing();
    void activateDocument(HostDocument* pDoc);
    void closeDocument(HostDocument* pDoc);
    void closeAll();

    // The start page's tab: created with the main window, shown and made
    // current by STARTPAGE, closed by its tab's close button.
    void startPageCreated();
    void showStartPage();
    // Refused (false) while no drawing is open: something must stay current.
    bool hideStartPage();

    void workspaceCreated();
    void workspaceDeleted();

    int purgeImage(const void* pImageBase);

signals:
    void documentAdded(HostDocument* pDoc);
    void documentRemoved(HostDocument* pDoc);
    // pDoc is null when the start page became current.
    void currentChanged(HostDocument* pDoc);
    void startPageShownChanged(bool bShown);

private:
    void deactivateCurrent();
    void fireDoc(const char* pszName, void (CTwDocumentManagerReactor::*fn)(CTwDocument*),
                 HostDocument* pDoc);
    void firePage(const char* pszName, void (CTwStartPageReactor::*fn)());

    HostEditor& m_editor;
    QList<HostDocument*> m_documents;
    QPointer<HostDocument> m_active;
    bool m_startPageShown = true;
    bool m_startPageCurrent = true;
    ReactorList<CTwDocumentManagerReactor> m_docReactors;
    ReactorList<CTwStartPageReactor> m_pageReactors;
};
