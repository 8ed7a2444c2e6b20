#pragma once

#include <QString>
#include <memory>
#include <vector>

class QTranslator;

// The translators of one interface language, installed into the application
// while this object holds them: the program's own OrdoRes<Code>.qm and Qt's
// (standard buttons and dialogs, the page's context menu).
class CInterfaceLanguage
{
public:
    CInterfaceLanguage();
    ~CInterfaceLanguage();
    CInterfaceLanguage(const CInterfaceLanguage &) = delete;
    CInterfaceLanguage &operator=(const CInterfaceLanguage &) = delete;

    // Installs <folder>/OrdoRes<code>.qm and Qt's files for it. False, with
    // nothing installed, when that file is missing or unreadable.
    bool Install(const QString &code, const QString &folder);
    void Remove();
    bool IsInstalled() const { return m_own != nullptr; }

private:
    std::unique_ptr<QTranslator> m_own;
    std::vector<std::unique_ptr<QTranslator>> m_qt;
};
