#include "ui/StartPageWidget.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestStartPageWidget : public QObject
{
    Q_OBJECT

private slots:
    void buttonsRequestTheirAction_data();
    void buttonsRequestTheirAction();
};

void TestStartPageWidget::buttonsRequestTheirAction_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("sample");
    QTest::newRow("New Drawing asks for an empty drawing") << "newDrawingButton"
                                                           << "New Drawing" << false;
    QTest::newRow("Open Sample Drawing asks for the sample") << "openSampleButton"
                                                             << "Open Sample Drawing" << true;
}

void TestStartPageWidget::buttonsRequestTheirAction()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(bool, sample);
    StartPageWidget page;
    page.show();
    QSignalSpy newSpy(&page, &StartPageWidget::newDrawingRequested);
    QSignalSpy sampleSpy(&page, &StartPageWidget::openSampleRequested);
    auto* pushButton = page.findChild<QPushButton*>(button);
    QVERIFY(pushButton);
    QCOMPARE(pushButton->text(), text);
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(newSpy.count(), sample ? 0 : 1);
    QCOMPARE(sampleSpy.count(), sample ? 1 : 0);
}

QTEST_MAIN(TestStartPageWidget)
#include "tst_startpagewidget.moc"
