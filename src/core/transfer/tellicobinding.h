#pragma once

#include <QString>

// Tellico offers a fixed list of bindings (Hardback, Paperback, Trade
// Paperback, E-Book, Magazine, Journal). The catalogue's binding is free
// text in any language: the common wordings are taken to the nearest of
// those, anything else gives an empty text.
QString TellicoBinding(const QString &wording);
