#pragma once

#include <QString>

// The welcome line StatusLabel shows while nothing plays.
QString GreetingLine();
