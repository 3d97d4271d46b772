// The plot's primitives as the tool's render makes them, text widths from
// Qt's fonts as there: what the browser tests compare the page's drawing
// with. usage: zenbelts_plot_primitives FILE.zb WIDTH HEIGHT [LIST]

#include "catalogue/SatelliteList.h"
#include "model/MountSettings.h"
#include "model/SettingsArchive.h"
#include "paint/QPainterSurface.h"
#include "plot/ArcPlot.h"
#include "plot/RecordedDrawing.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    using namespace zenbelts;
    if (argc < 4)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray bytes = file.readAll();
    MountSettings settings;
    LoadSettings(
        {reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())},
        settings);
    SatelliteCatalogue catalogue;
    const std::string list = argc > 4 ? argv[4] : std::string(ZENBELTS_SATS_LST);
    if (!LoadSatelliteListFile(list, catalogue))
        return 2;
    const int width = std::stoi(argv[2]), height = std::stoi(argv[3]);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterSurface fonts(painter);
    RecordedDrawing drawing([&fonts](const FontSpec& font, std::string_view text) {
        fonts.SetFont(font);
        return fonts.TextWidth(text);
    });
    DrawArcPlot(drawing, {settings, catalogue, width, height, false, StandardScreenMetrics(),
                          ScreenDrawingObjects(96)});
    std::fputs(drawing.Json().c_str(), stdout);
    std::fputs("\n", stdout);
    return 0;
}
