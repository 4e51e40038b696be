// The program's own icon, drawn at 16 and 32 pixels.
#pragma once

#include <QIcon>

QIcon programIcon();
