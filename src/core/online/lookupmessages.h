#pragma once

#include <QString>

// The texts the lookup shows, filled in for one source.
QString LoadingMessage(const QString &sourceName);
QString NotFoundMessage(const QString &isbn, const QString &sourceName);
QString UnreachableMessage(const QString &sourceName);
QString ServiceErrorMessage(const QString &sourceName, const QString &serviceText);
