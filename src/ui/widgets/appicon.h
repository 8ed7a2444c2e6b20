#pragma once

#include <QIcon>

// The program's icon: a closed book with a bookmark, drawn at the usual sizes.
QIcon OrdotecaIcon();
