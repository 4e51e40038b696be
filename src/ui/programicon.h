// The program's own icon: the design's 16 and 32 pixel images and larger ones for task bars and high-density screens.
#pragma once

#include <QIcon>

QIcon programIcon();
