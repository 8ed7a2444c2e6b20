#pragma once

// Installs, once, the built-in English plural forms of the texts that count
// with "%n" ("1 book", "2 books"). Install it before the interface
// language's translation, which then takes precedence for its own forms.
// False when the forms could not be loaded.
bool InstallEnglishPlurals();
