#pragma once

#include <QImage>
#include <QSize>

// The splash picture: Keno balls rolling under the game's name.
QImage PaintSplashPicture(QSize size);
