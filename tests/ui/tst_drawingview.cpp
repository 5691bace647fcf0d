#include "ui/DrawingView.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

// Picking points in the drawing is how measurements get their input, so the
// mapping between view and drawing and the snapping must be exact.
class TestDrawingView : public QObject
{
    Q_OBJECT

private slots:
    void sampleDrawingHasItsDocumentedMeasures();
    void mappingRoundTripsAndFits_data();
    void mappingRoundTripsAndFits();
    void drawingYPointsUp();
    void leftClickPicks_data();
    void leftClickPicks();
    void rightClickAsksForTheMenu();
    void paintsFarFromTheOrigin();
};

namespace
{

DrawingGeometry withLines(QList<QLineF> lines)
{
    DrawingGeometry drawing;
    drawing.lines = std::move(lines);
    return drawing;
}

QList<QPointF> vertices(const DrawingGeometry& drawing)
{
    QList<QPointF> points;
    for (const QLineF& line : drawing.lines)
        points << line.p1() << line.p2();
    for (const QPolygonF& polygon : drawing.polygons)
        points << polygon.toList();
    points << drawing.markers;
    return points;
}

// Angle between two lines in degrees, y up as in the drawing.
double degreesBetween(const QLineF& a, const QLineF& b)
{
    const QPointF u = a.p2() - a.p1();
    const QPointF v = b.p2() - b.p1();
    return std::acos(QPointF::dotProduct(u, v) / (a.length() * b.length())) * 180 / M_PI;
}

double polygonArea(const QPolygonF& polygon)
{
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i)
    {
        const QPointF a = polygon.at(i);
        const QPointF b = polygon.at((i + 1) % polygon.size());
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

} // namespace

void TestDrawingView::sampleDrawingHasItsDocumentedMeasures()
{
    // Users and tests of the measuring commands rely on these values.
    const DrawingGeometry sample = sampleDrawing();
    QCOMPARE(sample.lines.size(), 3);
    QCOMPARE(sample.lines.at(0).length(), 10.0);
    QVERIFY(qFuzzyCompare(sample.lines.at(1).length(), 10.0));
    QVERIFY(std::abs(degreesBetween(sample.lines.at(0), sample.lines.at(1)) - 60.0) < 1e-9);
    QVERIFY(std::abs(degreesBetween(sample.lines.at(0), sample.lines.at(2)) - 90.0) < 1e-9);
    QCOMPARE(sample.polygons.size(), 1);
    QCOMPARE(polygonArea(sample.polygons.at(0)), 12.0);
    const QPolygonF& rectangle = sample.polygons.at(0);
    QCOMPARE(QLineF(rectangle.at(0), rectangle.at(2)).length(), 5.0);
    QCOMPARE(QLineF(sample.lines.at(2).p2(), sample.markers.at(0)).length(), 10.0);
}

void TestDrawingView::mappingRoundTripsAndFits_data()
{
    QTest::addColumn<DrawingGeometry>("drawing");
    QTest::addColumn<QSize>("size");
    QTest::newRow("sample drawing in a wide view") << sampleDrawing() << QSize(900, 300);
    QTest::newRow("sample drawing in a tall view") << sampleDrawing() << QSize(250, 700);
    QTest::newRow("an empty drawing still maps") << DrawingGeometry() << QSize(400, 300);
    QTest::newRow("a horizontal line alone has no height to fit")
        << withLines({QLineF(-3, 2, 7, 2)}) << QSize(400, 300);
    QTest::newRow("a single point") << withLines({QLineF(5, 5, 5, 5)}) << QSize(400, 300);
    QTest::newRow("large coordinates far from the origin")
        << withLines({QLineF(1e6, 2e6, 1e6 + 40, 2e6 + 30)}) << QSize(500, 400);
    QTest::newRow("a tiny view") << sampleDrawing() << QSize(20, 20);
}

void TestDrawingView::mappingRoundTripsAndFits()
{
    QFETCH(DrawingGeometry, drawing);
    QFETCH(QSize, size);
    DrawingView view;
    view.resize(size);
    view.setDrawing(drawing);

    for (QPointF viewPos :
         {QPointF(0, 0), QPointF(size.width(), size.height()), QPointF(17.25, 3.5)})
    {
        const QPointF back = view.toView(view.toDrawing(viewPos));
        QVERIFY(std::abs(back.x() - viewPos.x()) < 1e-6 && std::abs(back.y() - viewPos.y()) < 1e-6);
    }
    if (size.width() < 100)
        return; // margins alone fill a tiny view; nothing sensible to fit
    for (const QPointF& vertex : vertices(drawing))
    {
        const QPointF shown = view.toView(vertex);
        QVERIFY2(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(4, 4, -4, -4).contains(shown),
                 qPrintable(QStringLiteral("vertex (%1,%2) is drawn outside the view at (%3,%4)")
                                .arg(vertex.x())
                                .arg(vertex.y())
                                .arg(shown.x())
                                .arg(shown.y())));
    }
}

void TestDrawingView::drawingYPointsUp()
{
    DrawingView view;
    view.resize(400, 300);
    view.setDrawing(sampleDrawing());
    const QPointF origin = view.toView(QPointF(0, 0));
    const QPointF up = view.toView(QPointF(0, 1));
    const QPointF right = view.toView(QPointF(1, 0));
    QVERIFY(up.y() < origin.y());
    QVERIFY(right.x() > origin.x());
    // One scale for both axes, or angles would be distorted on screen.
    QVERIFY(qFuzzyCompare(origin.y() - up.y(), right.x() - origin.x()));
}

void TestDrawingView::leftClickPicks_data()
{
    QTest::addColumn<QPointF>("target"); // drawing point near which to click
    QTest::addColumn<QPoint>("offset");  // pixels away from it
    QTest::addColumn<bool>("snaps");
    QTest::newRow("a click on a line end picks it exactly")
        << QPointF(10, 0) << QPoint(0, 0) << true;
    QTest::newRow("a click a few pixels off a vertex snaps to it")
        << QPointF(16, 3) << QPoint(4, -3) << true;
    QTest::newRow("the irrational end of the 60 degree line snaps exactly")
        << QPointF(5, 5 * std::sqrt(3.0)) << QPoint(-3, 2) << true;
    QTest::newRow("markers snap too") << QPointF(0, 8) << QPoint(2, 2) << true;
    QTest::newRow("beyond the snap radius the click point is picked")
        << QPointF(12, 3) << QPoint(12, -12) << false;
}

void TestDrawingView::leftClickPicks()
{
    QFETCH(QPointF, target);
    QFETCH(QPoint, offset);
    QFETCH(bool, snaps);
    DrawingView view;
    view.resize(640, 420);
    view.setDrawing(sampleDrawing());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy picked(&view, &DrawingView::pointPicked);

    const QPoint click = view.toView(target).toPoint() + offset;
    QTest::mouseClick(&view, Qt::LeftButton, {}, click);

    QCOMPARE(picked.count(), 1);
    const QPointF point = picked.at(0).at(0).toPointF();
    if (snaps)
    {
        QCOMPARE(point, target);
    }
    else
    {
        const QPointF expected = view.toDrawing(QPointF(click));
        QVERIFY(std::abs(point.x() - expected.x()) < 1e-9 &&
                std::abs(point.y() - expected.y()) < 1e-9);
    }
}

void TestDrawingView::rightClickAsksForTheMenu()
{
    DrawingView view;
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy picked(&view, &DrawingView::pointPicked);
    QSignalSpy menu(&view, &DrawingView::contextMenuRequested);
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(40, 50));
    QCOMPARE(picked.count(), 0);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toPoint(), view.mapToGlobal(QPoint(40, 50)));
}

void TestDrawingView::paintsFarFromTheOrigin()
{
    // Grid steps vanish next to huge coordinates; painting must still end.
    DrawingView view;
    view.resize(300, 200);
    view.setDrawing(withLines({QLineF(1e17, 1e17, 1e17 + 1, 1e17 + 1)}));
    view.setPickedPoints({QPointF(1e17, 1e17)});
    const QImage image = view.grab().toImage();
    QVERIFY(!image.isNull());
}

QTEST_MAIN(TestDrawingView)
#include "tst_drawingview.moc"
