#include "ui/HostIcons.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

// Modules ask for icons by number, by name and by literal resource path; a
// missing or unloadable file shows up only as a blank button, so check that
// each one really draws something, in both themes.
class TestHostIcons : public QObject
{
    Q_OBJECT

private slots:
    void everyIconDraws_data();
    void everyIconDraws();
    void darkIconsAreLighterThanLightOnes_data();
    void darkIconsAreLighterThanLightOnes();
    void unknownIconsGiveNoPath();
};

namespace
{

// Average lightness of the drawn (non-transparent) pixels, 0..255; -1 if
// nothing is drawn.
double inkLightness(const QString& path)
{
    const QImage image =
        QIcon(path).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
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

void addPathRows(const char* what, const QString& light, const QString& dark)
{
    QTest::addRow("%s, light", what) << light;
    QTest::addRow("%s, dark", what) << dark;
}

void addEveryIconRows()
{
    for (int id : {2, 24, 180})
        addPathRows(qPrintable(QStringLiteral("host icon %1").arg(id)), iconPathForId(id, false),
                    iconPathForId(id, true));
    for (const char* name : {"Angle_Icon", "Area_Icon", "Circumference_Icon", "Distance_Icon",
                             "copy", "convert-block", "Convert_Icon", "smart_calc", "quick_calc"})
    {
        addPathRows(name, iconPathForName(QString::fromLatin1(name), false),
                    iconPathForName(QString::fromLatin1(name), true));
    }
}

} // namespace

void TestHostIcons::everyIconDraws_data()
{
    QTest::addColumn<QString>("path");
    addEveryIconRows();
    // Paths the calculator names literally rather than through the lookups.
    addPathRows("the dock and menu icon at its literal path",
                QStringLiteral(":/images/svg_icons/light/smart_calc/smart_calc_32.svg"),
                QStringLiteral(":/images/svg_icons/dark/smart_calc/smart_calc_32.svg"));
    addPathRows("the convert button's PNG at its literal path",
                QStringLiteral(":/images/light/Convert_Icon.png"),
                QStringLiteral(":/images/dark/Convert_Icon.png"));
    // loadIcon(name, subfolder, ":/images", 1) composes root/theme/subfolder/name.svg.
    addPathRows("copy as loadIcon composes it", QStringLiteral(":/images/light/command/copy.svg"),
                QStringLiteral(":/images/dark/command/copy.svg"));
    addPathRows("convert-block as loadIcon composes it",
                QStringLiteral(":/images/light/custom_block/block_editor/convert-block.svg"),
                QStringLiteral(":/images/dark/custom_block/block_editor/convert-block.svg"));
}

void TestHostIcons::everyIconDraws()
{
    QFETCH(QString, path);
    QVERIFY2(!path.isEmpty(), "no path for a known icon");
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    for (int size : {16, 32})
    {
        const QPixmap pixmap = icon.pixmap(size, size);
        QVERIFY2(!pixmap.isNull(), qPrintable(path));
    }
    QVERIFY2(inkLightness(path) >= 0, qPrintable(path + QStringLiteral(" draws nothing")));
}

void TestHostIcons::darkIconsAreLighterThanLightOnes_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("dark");
    for (int id : {2, 24, 180})
    {
        QTest::addRow("host icon %d", id) << iconPathForId(id, false) << iconPathForId(id, true);
    }
    for (const char* name : {"Angle_Icon", "Area_Icon", "Circumference_Icon", "Distance_Icon",
                             "copy", "convert-block", "Convert_Icon", "smart_calc", "quick_calc"})
    {
        QTest::addRow("%s", name) << iconPathForName(QString::fromLatin1(name), false)
                                  << iconPathForName(QString::fromLatin1(name), true);
    }
}

void TestHostIcons::darkIconsAreLighterThanLightOnes()
{
    // The dark set sits on dark panels, so its ink must be the lighter one.
    QFETCH(QString, light);
    QFETCH(QString, dark);
    QVERIFY(light != dark);
    QVERIFY2(inkLightness(dark) > inkLightness(light) + 20,
             qPrintable(QStringLiteral("%1: %2 vs %3")
                            .arg(dark)
                            .arg(inkLightness(dark))
                            .arg(inkLightness(light))));
}

void TestHostIcons::unknownIconsGiveNoPath()
{
    for (int id : {0, 1, 3, 25, 179, -1})
        QVERIFY(iconPathForId(id, false).isEmpty() && iconPathForId(id, true).isEmpty());
    for (const QString& name : {QString(), QStringLiteral("nonexistent"),
                                QStringLiteral("copy.svg"), QStringLiteral("angle_icon")})
    {
        QVERIFY(iconPathForName(name, false).isEmpty());
        QVERIFY(QIcon(iconPathForName(name, true)).isNull());
    }
}

QTEST_MAIN(TestHostIcons)
#include "tst_hosticons.moc"
