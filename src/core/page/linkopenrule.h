#pragma once

#include <QString>
#include <QUrl>

// Which clicked addresses the desktop gets without a question. Page content
// comes from the web: an address such as "javascript:", "smb:" or a scheme
// some installed program registered must not run anything on one click.
enum class LinkOpenRule {
    Open,   // http, https, ftp, mailto, an existing local file or folder
    Ask,    // any other scheme: the user sees the address and decides
    Refuse, // not a usable address (a missing file, an invalid URL)
};

LinkOpenRule LinkOpenRuleFor(const QUrl &url);

// The question for LinkOpenRule::Ask, showing the whole address.
QString AskToOpenLinkText(const QUrl &url);
