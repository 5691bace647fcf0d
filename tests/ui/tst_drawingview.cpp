#include "ui/DrawingView.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

// Picked points feed the measuring commands, so the mapping between view and
// drawing and the snapping to vertices must be exact.
class TestDrawingView : public QObject
{
    Q_OBJECT

private slots:
    void mappingRoundTripsAndFits_data();
    void mappingRoundTripsAndFits();
    void clicksPick_data();
    void clicksPick();
    void paintsFarFromTheOrigin();
};

namespace
{
DrawingGeometry line(QLineF l)
{
    DrawingGeometry drawing;
    drawing.lines = {l};
    return drawing;
}
} // namespace

void TestDrawingView::mappingRoundTripsAndFits_data()
{
    QTest::addColumn<DrawingGeometry>("drawing");
    QTest::addColumn<QSize>("size");
    QTest::newRow("sample drawing in a wide view") << sampleDrawing() << QSize(900, 300);
    QTest::newRow("sample drawing in a tall view") << sampleDrawing() << QSize(250, 700);
    QTest::newRow("a single point") << line({5, 5, 5, 5}) << QSize(400, 300);
    QTest::newRow("far from the origin") << line({1e6, 2e6, 1e6 + 40, 2e6 + 30}) << QSize(500, 400);
}

void TestDrawingView::mappingRoundTripsAndFits()
{
    QFETCH(DrawingGeometry, drawing);
    QFETCH(QSize, size);
    DrawingView view;
    view.resize(size);
    view.setDrawing(drawing);

    for (QPointF at : {QPointF(0, 0), QPointF(size.width(), size.height()), QPointF(17.25, 3.5)})
        QVERIFY(QLineF(view.toView(view.toDrawing(at)), at).length() < 1e-6);
    QList<QPointF> vertices;
    for (const QLineF& l : drawing.lines)
        vertices << l.p1() << l.p2();
    for (const QPolygonF& polygon : drawing.polygons)
        vertices << polygon.toList();
    const QRectF inside = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(4, 4, -4, -4);
    for (const QPointF& vertex : vertices)
        QVERIFY2(inside.contains(view.toView(vertex)), "every vertex is drawn inside the view");

    // y grows upwards, with one scale for both axes so angles look right.
    const QPointF base = vertices.first();
    const QPointF up = view.toView(base + QPointF(0, 1)) - view.toView(base);
    const QPointF right = view.toView(base + QPointF(1, 0)) - view.toView(base);
    QVERIFY(up.y() < 0 && right.x() > 0);
    QVERIFY(std::abs(up.y() + right.x()) < 1e-6 * right.x());
}

void TestDrawingView::clicksPick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPointF>("near");  // drawing point near which to click
    QTest::addColumn<QPoint>("offset"); // pixels away from it
    QTest::addColumn<bool>("snaps");
    const auto left = Qt::LeftButton;
    QTest::newRow("a click a few pixels off a vertex picks the vertex exactly")
        << left << QPointF(16, 3) << QPoint(4, -3) << true;
    QTest::newRow("the irrational end of the 60 degree line snaps exactly")
        << left << QPointF(5, 5 * std::sqrt(3.0)) << QPoint(-3, 2) << true;
    QTest::newRow("markers snap too") << left << QPointF(0, 8) << QPoint(2, 2) << true;
    QTest::newRow("beyond the snap radius the click point is picked")
        << left << QPointF(12, 3) << QPoint(12, -12) << false;
    QTest::newRow("a right click asks for the menu and picks nothing")
        << Qt::RightButton << QPointF(10, 0) << QPoint(0, 0) << false;
}

void TestDrawingView::clicksPick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPointF, near);
    QFETCH(QPoint, offset);
    QFETCH(bool, snaps);
    DrawingView view;
    view.resize(640, 420);
    view.setDrawing(sampleDrawing());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy picked(&view, &DrawingView::pointPicked);
    QSignalSpy menu(&view, &DrawingView::contextMenuRequested);

    const QPoint click = view.toView(near).toPoint() + offset;
    QTest::mouseClick(&view, button, {}, click);

    const bool right = button == Qt::RightButton;
    QCOMPARE(menu.count(), right ? 1 : 0);
    QCOMPARE(picked.count(), right ? 0 : 1);
    if (right)
        QCOMPARE(menu.at(0).at(0).toPoint(), view.mapToGlobal(click));
    else
        QCOMPARE(picked.at(0).at(0).toPointF(), snaps ? near : view.toDrawing(QPointF(click)));
}

void TestDrawingView::paintsFarFromTheOrigin()
{
    // Next to huge coordinates a grid step adds nothing; painting must end.
    DrawingView view;
    view.resize(300, 200);
    view.setDrawing(line({1e17, 1e17, 1e17 + 1, 1e17 + 1}));
    view.setPickedPoints({QPointF(1e17, 1e17)});
    QVERIFY(!view.grab().isNull());
}

QTEST_MAIN(TestDrawingView)
#include "tst_drawingview.moc"
