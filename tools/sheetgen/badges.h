#pragma once

#include <QImage>
#include <QString>

// The result sheet: five 27-pixel rows, each with a framed yellow badge at its left edge.
QImage renderResultSheet(const QString& family);
