#include "CTwCollapsibleGroupBox.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestCollapsibleGroupBox : public QObject {
  Q_OBJECT

 private slots:
  void collapseHidesContent();
};

void TestCollapsibleGroupBox::collapseHidesContent() {
  CTwCollapsibleGroupBox group;
  auto* content = new QLabel(QStringLiteral("content"));
  group.setContentWidget(content);
  group.show();
  group.setCollapse(true);
  QVERIFY(!content->isVisible());
  group.setCollapse(false);
  QVERIFY(content->isVisible());
}

QTEST_MAIN(TestCollapsibleGroupBox)
#include "tst_collapsiblegroupbox.moc"
