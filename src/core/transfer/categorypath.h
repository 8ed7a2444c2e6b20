#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Category paths as one text: names joined by "/", several paths separated
// by line breaks (or ";" in hand-made files). A "/", ";" or "\" inside a
// name is written with a backslash before it.
QString JoinCategoryPath(const QStringList &names);
QString JoinCategoryPaths(const QVector<QStringList> &paths);
QVector<QStringList> SplitCategoryPaths(const QString &text);
