#include "image_canvas.h"
#include "svg_canvas.h"

#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {
const int iconSizes[] = {16, 32, 48, 64, 128, 256};

TEST(IconPicture, EverySizeIsARoundedTileOnTransparency) {
    for (const int size : iconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = paintIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        // The tile's corners are rounded off; its middle is covered.
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)}) {
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(icon, paintIcon(size)) << "drawing the icon twice gave different pixels";
    }
}

TEST(IconPicture, ShowsTheTableAndBothSuits) {
    const QImage icon = paintIcon(256);
    struct Spot {
        const char* what;
        QPoint at;
        bool (*looksRight)(QRgb);
    };
    const Spot spots[] = {
        {"green table", {30, 225}, [](QRgb c) { return qGreen(c) > 2 * qRed(c); }},
        {"red heart", {154, 140}, [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 80; }},
        {"black spade", {79, 98}, [](QRgb c) { return qRed(c) < 60 && qGreen(c) < 60; }},
        {"white card", {185, 185}, [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 230; }},
    };
    for (const Spot& spot : spots) {
        const QRgb colour = icon.pixel(spot.at);
        EXPECT_TRUE(spot.looksRight(colour)) << spot.what << " at " << spot.at.x() << ","
                                             << spot.at.y() << " is #" << std::hex << colour;
    }
}

TEST(IconSvg, IsWellFormedAndEveryGradientItUsesIsDefined) {
    QXmlStreamReader reader(QByteArray::fromStdString(iconSvg()));
    QSet<QString> defined;
    QStringList used;
    int shapes = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attributes = reader.attributes();
        if (reader.name() == QStringLiteral("svg")) {
            EXPECT_EQ(attributes.value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
        }
        if (reader.name() == QStringLiteral("linearGradient")) {
            defined.insert(attributes.value(QStringLiteral("id")).toString());
        }
        if (reader.name() == QStringLiteral("rect") || reader.name() == QStringLiteral("path")) {
            ++shapes;
            const QString fill = attributes.value(QStringLiteral("fill")).toString();
            if (fill.startsWith(QStringLiteral("url(#"))) {
                used.append(fill.mid(5, fill.size() - 6));
            }
        }
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_GT(shapes, 0);
    EXPECT_FALSE(used.isEmpty());
    for (const QString& id : used) {
        EXPECT_TRUE(defined.contains(id)) << id.toStdString();
    }
}
} // namespace
