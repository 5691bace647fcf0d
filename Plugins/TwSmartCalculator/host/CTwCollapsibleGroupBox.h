#pragma once

// A titled group whose content can be folded away. The host implements it;
// modules create it, hand it a content widget and find it again by object
// name.

#include "TwHostApi.h"

#include <QWidget>

class QToolButton;
class QVBoxLayout;

class TW_HOST_API CTwCollapsibleGroupBox : public QWidget
{
    Q_OBJECT

public:
    explicit CTwCollapsibleGroupBox(QWidget* parent = nullptr);
    ~CTwCollapsibleGroupBox() override;

    void setText(const QString& text);
    QString text() const;

    // The group takes the widget into its content area and becomes its
    // parent. A previous content widget is hidden but stays a child of the
    // group, since its owner may still hold it.
    void setContentWidget(QWidget* widget);
    QWidget* contentWidget() const;

    // true hides the content, false shows it.
    void setCollapse(bool collapse);
    bool isCollapsed() const;

signals:
    void collapseChanged(bool collapsed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggle();
    void updateHeader();

    QToolButton* m_header = nullptr;
    QWidget* m_body = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
    QWidget* m_content = nullptr;
    bool m_collapsed = false;
};
