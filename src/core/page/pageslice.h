#pragma once

#include <QString>

// A large selection is shown a slice at a time: the first books, then more
// on request. This keeps the count of books the page shows and the links at
// its end ("ordoslice://next", "ordoslice://all") that ask for more.
class CPageSlice
{
public:
    enum class Link { None, Next, All };

    // Books per slice: the setting "PageSlice", default 200, at least 1.
    static int SliceSizeSetting();
    static constexpr int kDefaultSliceSize = 200;

    explicit CPageSlice(int sliceSize = kDefaultSliceSize);

    // A new selection of total books: shows the first slice.
    void reset(int total);
    void showNext();
    void showAll();

    int sliceSize() const { return m_sliceSize; }
    int total() const { return m_total; }
    // How many books the page shows (at most total).
    int shown() const;
    // Books "Show the next ..." would add.
    int nextCount() const;
    bool isSliced() const { return shown() < m_total; }

    // The address a clicked link of the page asks for.
    static Link LinkOf(const QString &address);
    static QString Scheme() { return QStringLiteral("ordoslice"); }

    // The paragraph the page ends with while sliced: nextText links to the
    // next slice, allText to every book (both plain text, escaped here).
    static QString FooterHtml(const QString &nextText, const QString &allText);

private:
    int m_sliceSize;
    int m_total = 0;
    int m_shown = 0;
};
