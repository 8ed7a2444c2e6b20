#pragma once

#include <QImage>
#include <QVector>

// Command ids of the HTML editor pages (toolbar 153 and accelerators 155).
namespace EditorCmd {
enum : int {
    Underline = 32788,
    Italic = 32789,
    Bold = 32790,
    LeftJustify = 32791,
    Center = 32792,
    RightJustify = 32793,
    AddHyperlink = 32794,
    OrderedList = 32795,
    Indent = 32796,
    Outdent = 32797,
    UnorderedList = 32798,
    SwitchMode = 32799,
    InsertImage = 32800,
    Font = 32801,
    Cut = 32802,
    Copy = 32803,
    Paste = 32804,
    BackgroundColor = 32805,
    HorizontalLine = 32806,
    Delete = 32807,
    SelectAll = 32816, // accelerator only
};
} // namespace EditorCmd

// The editor toolbar's commands in button order, 0 standing for a separator.
const QVector<int> &EditorToolbarCommands();

// The 16x16 images of the editor toolbar's commands side by side, on the
// toolbar mask colour.
QImage DrawEditorToolbarStrip();
