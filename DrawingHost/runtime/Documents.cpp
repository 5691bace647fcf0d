#include "Documents.h"

#include "HostEditor.h"

#include <algorithm>

void HostDatabase::setLUPREC(OdInt16 value)
{
    m_luprec = std::clamp<OdInt16>(value, 0, kMaxLUPREC);
}

void HostDatabase::setAUNITS(OdInt16 value)
{
    m_aunits = std::clamp<OdInt16>(value, 0, kMaxAUNITS);
}

void HostDatabase::setLUNITS(OdInt16 value)
{
    m_lunits = std::clamp<OdInt16>(value, kMinLUNITS, kMaxLUNITS);
}

HostDocument::HostDocument(const QString& strTitle, const DrawingGeometry& geometry,
                           QObject* parent)
    : QObject(parent), m_title(strTitle), m_geometry(geometry)
{
    auto database = OdRxObjectImpl<HostDatabase>::createObject();
    m_pDatabase = database.get();
    m_database = OdDbDatabasePtr(database.get());
}

DocumentManager::DocumentManager(HostEditor& editor, QObject* parent)
    : QObject(parent), m_editor(editor)
{
}

DocumentManager::~DocumentManager()
{
    qDeleteAll(m_documents);
}

void DocumentManager::fireDoc(const char* pszName,
                              void (CTwDocumentManagerReactor::*fn)(CTwDocument*),
                              HostDocument* pDoc)
{
    m_docReactors.notify(pszName, [&](CTwDocumentManagerReactor* r) { (r->*fn)(pDoc); });
}

void DocumentManager::firePage(const char* pszName, void (CTwStartPageReactor::*fn)())
{
    m_pageReactors.notify(pszName, [&](CTwStartPageReactor* r) { (r->*fn)(); });
}

QString DocumentManager::nextTitle() const
{
    for (int n = 1;; ++n)
    {
        const QString title = tr("Drawing%1").arg(n);
        const bool used =
            std::any_of(m_documents.begin(), m_documents.end(),
                        [&](HostDocument* pDoc) { return pDoc->GetTitle() == title; });
        if (!used)
            return title;
    }
}

HostDocument* DocumentManager::createDocument(const QString& strTitle,
                                              const DrawingGeometry& geometry)
{
    auto* pDoc = new HostDocument(strTitle, geometry, this);
    fireDoc("DocumentCreateStarted", &CTwDocumentManagerReactor::DocumentCreateStarted, pDoc);
    m_editor.fireDatabaseConstructed(pDoc->database());
    m_documents.append(pDoc);
    emit documentAdded(pDoc);
    fireDoc("DocumentCreated", &CTwDocumentManagerReactor::DocumentCreated, pDoc);
    activateDocument(pDoc);
    return pDoc;
}

HostDocument* DocumentManager::newDrawing()
{
    return createDocument(nextTitle(), DrawingGeometry());
}

HostDocument* DocumentManager::openSampleDrawing()
{
    return createDocument(tr("Sample"), sampleDrawing());
}

void DocumentManager::deactivateCurrent()
{
    if (HostDocument* pOld = m_active)
    {
        fireDoc("DocumentToBeDeactivated", &CTwDocumentManagerReactor::DocumentToBeDeactivated,
                pOld);
        m_active = nullptr;
        fireDoc("DocumentDeactivated", &CTwDocumentManagerReactor::DocumentDeactivated, pOld);
    }
    else if (m_startPageCurrent)
    {
        m_startPageCurrent = false;
        firePage("OnStartPageDeactivated", &CTwStartPageReactor::OnStartPageDeactivated);
    }
}

void DocumentManager::activateDocument(HostDocument* pDoc)
{
    if (!pDoc || !m_documents.contains(pDoc) || pDoc == m_active)
        return;
    deactivateCurrent();
    fireDoc("DocumentToBeActivated", &CTwDocumentManagerReactor::DocumentToBeActivated, pDoc);
    m_active = pDoc;
    emit currentChanged(pDoc);
    fireDoc("DocumentActivated", &CTwDocumentManagerReactor::DocumentActivated, pDoc);
}

void DocumentManager::closeDocument(HostDocument* pDoc)
{
    const qsizetype index = m_documents.indexOf(pDoc);
    if (index < 0)
        return;
    fireDoc("DocumentToBeDestroyed", &CTwDocumentManagerReactor::DocumentToBeDestroyed, pDoc);
    if (pDoc == m_active)
        deactivateCurrent();
    m_editor.fireDatabaseToBeDestroyed(pDoc->database());
    m_documents.removeOne(pDoc);
    emit documentRemoved(pDoc);
    fireDoc("DocumentDestroyed", &CTwDocumentManagerReactor::DocumentDestroyed, pDoc);
    // A running command may still hold the document through its context
    // (a QPointer), and reactors just got the pointer: delete it later.
    pDoc->deleteLater();

    if (m_active || m_startPageCurrent)
        return;
    if (!m_documents.isEmpty())
        activateDocument(m_documents.at(std::min<qsizetype>(index, m_documents.size() - 1)));
    else
        showStartPage();
}

void DocumentManager::closeAll()
{
    while (!m_documents.isEmpty())
        closeDocument(m_documents.last());
}

void DocumentManager::startPageCreated()
{
    firePage("OnStartPageCreated", &CTwStartPageReactor::OnStartPageCreated);
}

void DocumentManager::showStartPage()
{
    if (!m_startPageShown)
    {
        m_startPageShown = true;
        emit startPageShownChanged(true);
        firePage("OnStartPageShown", &CTwStartPageReactor::OnStartPageShown);
    }
    if (m_startPageCurrent)
        return;
    deactivateCurrent();
    m_startPageCurrent = true;
    emit currentChanged(nullptr);
    firePage("OnStartPageActivated", &CTwStartPageReactor::OnStartPageActivated);
}

bool DocumentManager::hideStartPage()
{
    if (!m_startPageShown)
        return true;
    if (m_documents.isEmpty())
        return false;
    if (m_startPageCurrent)
        activateDocument(m_documents.last());
    m_startPageShown = false;
    emit startPageShownChanged(false);
    firePage("OnStartPageHidden", &CTwStartPageReactor::OnStartPageHidden);
    return true;
}

void DocumentManager::workspaceCreated()
{
    firePage("OnWorkspaceCreated", &CTwStartPageReactor::OnWorkspaceCreated);
}

void DocumentManager::workspaceDeleted()
{
    firePage("OnWorkspaceDeleted", &CTwStartPageReactor::OnWorkspaceDeleted);
}

int DocumentManager::purgeImage(const void* pImageBase)
{
    int nPurged = 0;
    const auto docReactors = m_docReactors.items();
    for (CTwDocumentManagerReactor* pReactor : docReactors)
        nPurged += isFromImage(pReactor, pImageBase) && m_docReactors.remove(pReactor);
    const auto pageReactors = m_pageReactors.items();
    for (CTwStartPageReactor* pReactor : pageReactors)
        nPurged += isFromImage(pReactor, pImageBase) && m_pageReactors.remove(pReactor);
    return nPurged;
}
