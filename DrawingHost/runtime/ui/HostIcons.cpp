#include "HostIcons.h"

#include <QHash>

namespace
{

QString theme(bool dark)
{
    return dark ? QStringLiteral("dark") : QStringLiteral("light");
}

} // namespace

QString iconPathForId(int id, bool dark)
{
    static const QHash<int, QString> files = {
        {2, QStringLiteral("host/delete.svg")},
        {24, QStringLiteral("host/help.svg")},
        {180, QStringLiteral("host/clear_history.svg")},
    };
    const auto file = files.constFind(id);
    if (file == files.cend())
        return {};
    return QStringLiteral(":/images/%1/%2").arg(theme(dark), file.value());
}

QString iconPathForName(const QString& name, bool dark)
{
    // The subfolders are where modules look for these icons with loadIcon.
    static const QHash<QString, QString> files = {
        {QStringLiteral("Angle_Icon"), QStringLiteral("images/%1/Angle_Icon.svg")},
        {QStringLiteral("Area_Icon"), QStringLiteral("images/%1/Area_Icon.svg")},
        {QStringLiteral("Circumference_Icon"), QStringLiteral("images/%1/Circumference_Icon.svg")},
        {QStringLiteral("Distance_Icon"), QStringLiteral("images/%1/Distance_Icon.svg")},
        {QStringLiteral("copy"), QStringLiteral("images/%1/command/copy.svg")},
        {QStringLiteral("convert-block"),
         QStringLiteral("images/%1/custom_block/block_editor/convert-block.svg")},
        {QStringLiteral("Convert_Icon"), QStringLiteral("images/%1/Convert_Icon.png")},
        {QStringLiteral("smart_calc"),
         QStringLiteral("images/svg_icons/%1/smart_calc/smart_calc_32.svg")},
        {QStringLiteral("quick_calc"),
         QStringLiteral("images/svg_icons/%1/smart_calc/quick_calc_32.svg")},
    };
    const auto file = files.constFind(name);
    if (file == files.cend())
        return {};
    return QStringLiteral(":/") + file.value().arg(theme(dark));
}
