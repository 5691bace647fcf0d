#include "../support/Contrast.h"
#include "ui/HostIcons.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QTest>

// The theme value picks the palette here and the icon set in modules; both
// split at 2. A missing or unloadable icon shows only as a blank button, so
// each one the calculator asks for must draw, in the right colours per theme.
class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void paletteFollowsTheTheme_data();
    void paletteFollowsTheTheme();
    void iconsDrawInBothThemes_data();
    void iconsDrawInBothThemes();
    void unknownIconsGiveNoPath();
    void darkIconsStandOut_data();
    void darkIconsStandOut();
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

void TestTheme::paletteFollowsTheTheme_data()
{
    QTest::addColumn<int>("colorTheme");
    QTest::addColumn<bool>("dark");
    QTest::newRow("1 is still light") << 1 << false;
    QTest::newRow("2 is the first dark value") << 2 << true;
    QTest::newRow("negative values are light") << -1 << false;
}

void TestTheme::paletteFollowsTheTheme()
{
    QFETCH(int, colorTheme);
    QFETCH(bool, dark);
    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    applyTheme(app, dark ? 0 : 2); // so that a palette left over cannot pass
    applyTheme(app, colorTheme);

    QCOMPARE(isDarkTheme(colorTheme), dark);
    const QPalette palette = QApplication::palette();
    for (auto [back, front] : {std::pair(QPalette::Window, QPalette::WindowText),
                               std::pair(QPalette::Base, QPalette::Text),
                               std::pair(QPalette::Button, QPalette::ButtonText)})
    {
        const int backLightness = palette.color(back).lightness();
        const int frontLightness = palette.color(front).lightness();
        QVERIFY(dark ? backLightness < 80 && frontLightness > 180
                     : backLightness > 180 && frontLightness < 80);
    }
    QVERIFY(palette.color(QPalette::Disabled, QPalette::Text) !=
            palette.color(QPalette::Active, QPalette::Text));
}

void TestTheme::iconsDrawInBothThemes_data()
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

void TestTheme::iconsDrawInBothThemes()
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

void TestTheme::unknownIconsGiveNoPath()
{
    // Names match exactly, as the module spells them.
    for (bool dark : {false, true})
        QVERIFY(iconPathForId(3, dark).isEmpty() && iconPathForName("angle_icon", dark).isEmpty());
}

void TestTheme::darkIconsStandOut_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator files(QStringLiteral(":/images"), {"*.svg", "*.png"}, QDir::Files,
                       QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext())
    {
        const QString path = files.next();
        if (path.contains(QLatin1String("/dark/")))
        {
            QTest::newRow(qPrintable(path)) << path;
            ++count;
        }
    }
    QVERIFY(count >= 10);
}

// How well an icon stands out on its background: each pixel the icon draws
// is laid over the background as the screen shows it, and the contrast of the
// result with the background is averaged over the pixels, weighted by how
// much of each the icon covers. A faint or hair-thin drawing scores low even
// where a few of its pixels are bright; a solid, light one scores high.
static double inkContrast(const QImage& icon, const QColor& background)
{
    const double backgroundLuminance = relativeLuminance(background);
    double sum = 0;
    double coverage = 0;
    for (int y = 0; y < icon.height(); ++y)
    {
        for (int x = 0; x < icon.width(); ++x)
        {
            const QColor ink = icon.pixelColor(x, y);
            const double a = ink.alphaF();
            const QColor shown = QColor::fromRgbF(a * ink.redF() + (1 - a) * background.redF(),
                                                  a * ink.greenF() + (1 - a) * background.greenF(),
                                                  a * ink.blueF() + (1 - a) * background.blueF());
            sum += a * contrastRatio(relativeLuminance(shown), backgroundLuminance);
            coverage += a;
        }
    }
    return coverage > 0 ? sum / coverage : 1;
}

void TestTheme::darkIconsStandOut()
{
    QFETCH(QString, path);
    // At the size it is drawn for: SVGs at their own, the PNG as it comes.
    QImage icon;
    if (path.endsWith(QLatin1String(".svg")))
    {
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        icon = QImage(renderer.defaultSize(), QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        renderer.render(&painter);
    }
    else
        QVERIFY(icon.load(path));

    // On the dark theme's panel and on its buttons, the lighter of the two.
    applyTheme(*qApp, 2);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
    {
        const QColor background = qApp->palette().color(role);
        const double contrast = inkContrast(icon, background);
        QVERIFY2(
            contrast >= 3.0,
            qPrintable(QStringLiteral("%1 on %2").arg(contrast, 0, 'f', 2).arg(background.name())));
    }
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
