#pragma once

#include <QIcon>

// The program's icon: a depot and a route through three facilities, drawn at run time.
QIcon MakeApplicationIcon();
