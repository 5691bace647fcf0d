#include "CTwCollapsibleGroupBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

// The calculator folds its groups with setCollapse; the user folds them with
// the header, by mouse or keyboard.
class TestCollapsibleGroupBox : public QObject
{
    Q_OBJECT

private slots:
    void collapseHidesTheContent();
    void headerToggles_data();
    void headerToggles();
};

namespace
{
QToolButton* header(CTwCollapsibleGroupBox& group)
{
    return group.findChild<QToolButton*>(QStringLiteral("collapsibleHeader"));
}
} // namespace

void TestCollapsibleGroupBox::collapseHidesTheContent()
{
    CTwCollapsibleGroupBox group;
    auto* content = new QLabel(QStringLiteral("content"));
    content->setMinimumHeight(120);
    group.setContentWidget(content);
    group.show();
    const int expandedHeight = group.sizeHint().height();
    QSignalSpy spy(&group, &CTwCollapsibleGroupBox::collapseChanged);

    group.setCollapse(true);
    group.setCollapse(true); // no change, no signal
    QVERIFY(!content->isVisible());
    QVERIFY(header(group)->isVisible());
    QVERIFY2(group.sizeHint().height() < expandedHeight - 100,
             "a collapsed group gives its room back");

    // Content handed over while collapsed stays hidden; the one it replaces is
    // hidden but not deleted, since its owner may still hold it.
    auto* replacement = new QLabel(QStringLiteral("replacement"));
    group.setContentWidget(replacement);
    QVERIFY(!replacement->isVisible());
    group.setCollapse(false);
    QVERIFY(replacement->isVisible());
    QVERIFY(!content->isVisible());
    QCOMPARE(content->window(), &group);
    QCOMPARE(spy.count(), 2);
}

void TestCollapsibleGroupBox::headerToggles_data()
{
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::addColumn<bool>("toggles");
    QTest::newRow("a click on the header toggles") << 0 << true;
    QTest::newRow("Space on the header toggles") << int(Qt::Key_Space) << true;
    QTest::newRow("Return on the header toggles") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on the header toggles") << int(Qt::Key_Enter) << true;
    QTest::newRow("a letter on the header does nothing") << int(Qt::Key_A) << false;
}

void TestCollapsibleGroupBox::headerToggles()
{
    QFETCH(int, key);
    QFETCH(bool, toggles);
    QWidget window;
    auto* edit = new QLineEdit;
    auto* group = new CTwCollapsibleGroupBox;
    group->setContentWidget(new QLabel(QStringLiteral("content")));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(group);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The keyboard reaches the header with Tab.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), header(*group));
    QSignalSpy spy(group, &CTwCollapsibleGroupBox::collapseChanged);

    for (bool collapsed : {true, false})
    {
        if (key == 0)
            QTest::mouseClick(header(*group), Qt::LeftButton);
        else
            QTest::keyClick(header(*group), Qt::Key(key));
        QCOMPARE(group->isCollapsed(), toggles && collapsed);
        if (toggles)
            QCOMPARE(spy.takeFirst().at(0).toBool(), collapsed);
    }
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(TestCollapsibleGroupBox)
#include "tst_collapsiblegroupbox.moc"
