#pragma once

#include "cards/card.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "render/table_surface.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

// Draws into the back buffer and does nothing for the window. Keeps the picture as it was just
// before the last paintResults, so a test can tell what the badges changed.
class PaintingView : public TablePainter {
  public:
    using TablePainter::TablePainter;
    QImage beforeResults;

    void paintResults(ResultTarget target, RoundEnd end) override;
    void enableButton(ControlId, bool) override {}
    void invalidateRect(const Rect&) override {}
    void updateWindow() override {}
};

// A fresh table and back buffer for each test, as at start-up.
class TablePicture : public testing::Test {
  protected:
    TableState table;
    Canvas canvas;
    PaintingView view{canvas, table};

    void SetUp() override;
    void TearDown() override;
    const QImage& back() const { return backBuffer(canvas).image(); }
    // Arranges the shoe to deal `draws` ("8C 10D ...", none: leave it), then presses the buttons in
    // order: D deal, H hit, S stand, X double, P split, 1/5/T bets, C clear.
    void play(std::string_view draws, std::string_view buttons, std::uint32_t seed = 1);
};

using TextItem = std::pair<QPoint, std::string_view>;

// A green patch of the given size with the text items drawn on it by the raster's text.
QImage textPatch(QSize size, const std::vector<TextItem>& items);
// The count panel, (0,275)-(150,340), as it should read; no split row for a null split figure.
QImage countPanel(std::string_view dealer, std::string_view player, std::string_view split = {});
QImage sheetImage(std::string_view name);
// The sheet's cell of a card, or of the back for "back", `width` columns from its left edge.
QImage cardCellImage(std::string_view name, int width = 71);
// Whether `picture` holds `part` with its top-left at `at`.
bool holds(const QImage& picture, QPoint at, const QImage& part);
// The bounding box of the black pixels.
QRect inkBox(const QImage& picture);
