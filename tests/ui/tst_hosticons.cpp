#include "ui/HostIcons.h"

#include <QIcon>
#include <QImage>
#include <QTest>

// A missing or unloadable icon shows only as a blank button, so check that
// each one the calculator asks for draws, and in the right colours per theme.
class TestHostIcons : public QObject
{
    Q_OBJECT

private slots:
    void iconsDrawInBothThemes_data();
    void iconsDrawInBothThemes();
    void unknownIconsGiveNoPath();
};

namespace
{
// Average lightness (0..255) of what a 32 px rendering draws; -1 for nothing.
double inkLightness(const QString& path)
{
    const QImage image = QIcon(path).pixmap(32, 32).toImage();
    double sum = 0;
    double weight = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor color = image.pixelColor(x, y);
            sum += color.lightness() * color.alphaF();
            weight += color.alphaF();
        }
    }
    return weight < 4 ? -1 : sum / weight;
}
} // namespace

void TestHostIcons::iconsDrawInBothThemes_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("dark");
    for (int id : {2, 24, 180})
        QTest::addRow("host icon %d", id) << iconPathForId(id, false) << iconPathForId(id, true);
    for (const char* name : {"Angle_Icon", "Area_Icon", "Circumference_Icon", "Distance_Icon",
                             "copy", "convert-block", "Convert_Icon", "smart_calc", "quick_calc"})
    {
        const QString n = QString::fromLatin1(name);
        QTest::addRow("%s", name) << iconPathForName(n, false) << iconPathForName(n, true);
    }
    // Paths the calculator names literally, or composes as root/theme/subfolder/name.
    for (const char* path :
         {"Convert_Icon.png", "command/copy.svg", "custom_block/block_editor/convert-block.svg"})
    {
        QTest::addRow("the literal path %s", path) << QStringLiteral(":/images/light/%1").arg(path)
                                                   << QStringLiteral(":/images/dark/%1").arg(path);
    }
}

void TestHostIcons::iconsDrawInBothThemes()
{
    QFETCH(QString, light);
    QFETCH(QString, dark);
    const double lightInk = inkLightness(light);
    const double darkInk = inkLightness(dark);
    QVERIFY2(lightInk >= 0, qPrintable(light + " draws nothing"));
    QVERIFY2(darkInk >= 0, qPrintable(dark + " draws nothing"));
    // The dark set sits on dark panels, so its ink must be the lighter one.
    QVERIFY2(darkInk > lightInk + 20,
             qPrintable(QStringLiteral("%1 vs %2").arg(darkInk).arg(lightInk)));
}

void TestHostIcons::unknownIconsGiveNoPath()
{
    for (int id : {0, 3, 179, -1})
        QVERIFY(iconPathForId(id, false).isEmpty() && iconPathForId(id, true).isEmpty());
    // Names match exactly, as the module spells them.
    for (const QString name : {"", "copy.svg", "angle_icon"})
        QVERIFY(iconPathForName(name, false).isEmpty() && iconPathForName(name, true).isEmpty());
}

QTEST_MAIN(TestHostIcons)
#include "tst_hosticons.moc"
