#include "CTwCollapsibleGroupBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

// The calculator finds its groups by object name and folds them with
// setCollapse; the user folds them with the header.
class TestCollapsibleGroupBox : public QObject
{
    Q_OBJECT

private slots:
    void collapseHidesOnlyTheContent();
    void collapseStateCarriesOverToNewContent();
    void replacedContentIsHiddenButKept();
    void headerToggles_data();
    void headerToggles();
    void signalOnlyOnChange();
    void headerTakesKeyboardFocus();
    void foundByObjectNameAndClass();

private:
    static QToolButton* header(CTwCollapsibleGroupBox& group)
    {
        return group.findChild<QToolButton*>(QStringLiteral("collapsibleHeader"));
    }
};

void TestCollapsibleGroupBox::collapseHidesOnlyTheContent()
{
    CTwCollapsibleGroupBox group;
    group.setText(QStringLiteral("Functions"));
    auto* content = new QLabel(QStringLiteral("content"));
    content->setMinimumHeight(120);
    group.setContentWidget(content);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    const int expandedHeight = group.sizeHint().height();

    group.setCollapse(true);
    QVERIFY(group.isCollapsed());
    QVERIFY(!content->isVisible());
    QVERIFY(header(group)->isVisible());
    QVERIFY2(group.sizeHint().height() < expandedHeight - 100,
             "a collapsed group must give its room back");

    group.setCollapse(false);
    QVERIFY(content->isVisible());
    QCOMPARE(group.sizeHint().height(), expandedHeight);
    QCOMPARE(content->parentWidget()->parentWidget(), &group);
}

void TestCollapsibleGroupBox::collapseStateCarriesOverToNewContent()
{
    CTwCollapsibleGroupBox group;
    group.show();
    group.setCollapse(true);
    auto* content = new QLabel(QStringLiteral("late content"));
    group.setContentWidget(content);
    QVERIFY(!content->isVisible());
    group.setCollapse(false);
    QVERIFY(content->isVisible());
}

void TestCollapsibleGroupBox::replacedContentIsHiddenButKept()
{
    QWidget owner;
    auto* layout = new QVBoxLayout(&owner);
    auto* group = new CTwCollapsibleGroupBox(&owner);
    auto* first = new QLabel(QStringLiteral("first"), &owner);
    auto* second = new QLabel(QStringLiteral("second"));
    layout->addWidget(first);
    layout->addWidget(group);
    owner.show();

    group->setContentWidget(first); // taken out of the owner's layout
    QCOMPARE(layout->indexOf(first), -1);
    QPointer<QLabel> firstAlive(first);
    group->setContentWidget(second);
    QCOMPARE(group->contentWidget(), second);
    QVERIFY(firstAlive);
    QVERIFY(!first->isVisible());
    QVERIFY(second->isVisible());
}

void TestCollapsibleGroupBox::headerToggles_data()
{
    QTest::addColumn<int>("action"); // 0 click, otherwise a key
    QTest::addColumn<bool>("toggles");
    QTest::newRow("a click on the header toggles") << 0 << true;
    QTest::newRow("Space on the header toggles") << int(Qt::Key_Space) << true;
    QTest::newRow("Return on the header toggles") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on the header toggles") << int(Qt::Key_Enter) << true;
    QTest::newRow("a letter on the header does nothing") << int(Qt::Key_A) << false;
}

void TestCollapsibleGroupBox::headerToggles()
{
    QFETCH(int, action);
    QFETCH(bool, toggles);
    CTwCollapsibleGroupBox group;
    group.setContentWidget(new QLabel(QStringLiteral("content")));
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy spy(&group, &CTwCollapsibleGroupBox::collapseChanged);

    for (bool expected : {true, false})
    {
        if (action == 0)
        {
            QTest::mouseClick(header(group), Qt::LeftButton);
        }
        else
        {
            header(group)->setFocus();
            // Space clicks a tool button on release, so send both halves.
            QTest::keyClick(header(group), Qt::Key(action));
        }
        QCOMPARE(group.isCollapsed(), toggles && expected);
    }
    QCOMPARE(spy.count(), toggles ? 2 : 0);
    if (toggles)
    {
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
    }
}

void TestCollapsibleGroupBox::signalOnlyOnChange()
{
    CTwCollapsibleGroupBox group;
    QSignalSpy spy(&group, &CTwCollapsibleGroupBox::collapseChanged);
    group.setCollapse(false); // already expanded
    group.setCollapse(true);
    group.setCollapse(true);
    QCOMPARE(spy.count(), 1);
}

void TestCollapsibleGroupBox::headerTakesKeyboardFocus()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLabel(QStringLiteral("before"));
    auto* edit = new QLineEdit;
    auto* group = new CTwCollapsibleGroupBox;
    layout->addWidget(before);
    layout->addWidget(edit);
    layout->addWidget(group);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), header(*group));
}

void TestCollapsibleGroupBox::foundByObjectNameAndClass()
{
    // The calculator looks its groups up this way, recursively.
    QWidget root;
    auto* container = new QWidget(&root);
    auto* group = new CTwCollapsibleGroupBox(container);
    group->setObjectName(QStringLiteral("gb_UnitConv"));
    QCOMPARE(root.findChild<CTwCollapsibleGroupBox*>(QStringLiteral("gb_UnitConv")), group);
}

QTEST_MAIN(TestCollapsibleGroupBox)
#include "tst_collapsiblegroupbox.moc"
