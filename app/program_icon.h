#pragma once

#include <QIcon>

// The program's icon: nine images, 16 to 128 pixels.
QIcon ProgramIcon();
