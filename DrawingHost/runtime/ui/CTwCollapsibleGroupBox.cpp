#include "CTwCollapsibleGroupBox.h"

#include <QEvent>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

CTwCollapsibleGroupBox::CTwCollapsibleGroupBox(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_header = new QToolButton(this);
    m_header->setObjectName(QStringLiteral("collapsibleHeader"));
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setAutoRaise(true);
    m_header->setFocusPolicy(Qt::StrongFocus);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont headerFont = m_header->font();
    headerFont.setBold(true);
    m_header->setFont(headerFont);
    m_header->installEventFilter(this);
    layout->addWidget(m_header);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("collapsibleContent"));
    m_bodyLayout = new QVBoxLayout(m_body);
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_body);

    connect(m_header, &QToolButton::clicked, this, &CTwCollapsibleGroupBox::toggle);
    updateHeader();
}

CTwCollapsibleGroupBox::~CTwCollapsibleGroupBox() = default;

void CTwCollapsibleGroupBox::setText(const QString& text)
{
    m_header->setText(text);
    m_header->setAccessibleName(text);
}

QString CTwCollapsibleGroupBox::text() const
{
    return m_header->text();
}

void CTwCollapsibleGroupBox::setContentWidget(QWidget* widget)
{
    if (widget == m_content)
        return;
    if (m_content)
    {
        m_bodyLayout->removeWidget(m_content);
        m_content->hide();
    }
    m_content = widget;
    if (m_content)
    {
        m_bodyLayout->addWidget(m_content);
        m_content->show();
    }
    m_body->setVisible(!m_collapsed);
}

QWidget* CTwCollapsibleGroupBox::contentWidget() const
{
    return m_content;
}

void CTwCollapsibleGroupBox::setCollapse(bool collapse)
{
    if (collapse == m_collapsed)
        return;
    m_collapsed = collapse;
    m_body->setVisible(!m_collapsed);
    updateHeader();
    emit collapseChanged(m_collapsed);
}

bool CTwCollapsibleGroupBox::isCollapsed() const
{
    return m_collapsed;
}

void CTwCollapsibleGroupBox::toggle()
{
    // Reached from the header's click: whatever a receiver of collapseChanged
    // throws must not unwind into Qt's event loop.
    try
    {
        setCollapse(!m_collapsed);
    }
    catch (...)
    {
    }
}

bool CTwCollapsibleGroupBox::eventFilter(QObject* watched, QEvent* event)
{
    // A tool button clicks on Space but not on Enter; a header should do both.
    if (watched == m_header && event->type() == QEvent::KeyPress)
    {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        {
            toggle();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CTwCollapsibleGroupBox::updateHeader()
{
    m_header->setArrowType(m_collapsed ? Qt::RightArrow : Qt::DownArrow);
}
