#pragma once

#include <QImage>
#include <QString>

// The card sheet: 4 suit columns by 13 rank rows of faces, then the back in row 13, column 0.
QImage renderCardSheet(const QString& family);
