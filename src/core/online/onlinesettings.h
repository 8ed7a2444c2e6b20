#pragma once

#include <QString>
#include <QStringList>

// The settings of the online lookup (group Settings/Online). Every address is
// a full base address with scheme, host and port and no trailing "/", so tests
// can point each service at a server on 127.0.0.1.
struct COnlineSettings
{
    // Which lookup source: "OpenLibrary" (default), "GoogleBooks",
    // "LibraryOfCongress" or "Bookstore".
    QString source = QStringLiteral("OpenLibrary");
    QString openLibraryUrl = QStringLiteral("https://openlibrary.org");
    QString openLibraryCoversUrl = QStringLiteral("https://covers.openlibrary.org");
    QString googleBooksUrl = QStringLiteral("https://www.googleapis.com");
    QString googleBooksKey;
    QString locSruUrl = QStringLiteral("http://lx2.loc.gov:210");
    QString bookstoreHost = QStringLiteral("http://xml.amazon.com");      // the XML web service
    QString bookstorePageHost = QStringLiteral("http://www.amazon.com");  // its product pages
    QString contactEmail; // goes into the User-Agent

    // How a looked-up ISBN is stored: 10 = a 978 ISBN as ISBN-10, a 979 one
    // as ISBN-13; 13 = always ISBN-13; 0 = as the user entered it.
    int isbnForm = 10;

    // When the chosen source does not know an ISBN, ask these sources in
    // turn (the chosen one is skipped). Off unless the user turns it on.
    bool fallback = false;
    QStringList fallbackSources = {QStringLiteral("OpenLibrary"), QStringLiteral("GoogleBooks"),
                                   QStringLiteral("LibraryOfCongress")};

    int connectTimeout = 10; // seconds
    int totalTimeout = 30;   // seconds for an answer; a cover gets twice as long
    int stallTimeout = 15;   // seconds without a byte before a transfer is dropped
    qint64 maxAnswerBytes = 4 * 1024 * 1024;
    qint64 maxCoverBytes = 10 * 1024 * 1024;
    int requestGap = 350;    // milliseconds between two requests to one host

    // An address as it is stored: trimmed, without trailing "/".
    static QString CleanAddress(const QString &address);
    // True for an http or https address with a host: the only kind the
    // lookup can ask.
    static bool IsUsableAddress(const QString &address);

    // The settings as stored, defaults for what is missing or unusable.
    static COnlineSettings Load();
    // Writes every value (tests and the options page).
    void Save() const;
};
