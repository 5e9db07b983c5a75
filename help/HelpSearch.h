#pragma once

// Full-text search in the help pages. Case and Czech diacritics are
// ignored, so "uroven" finds "úroveň"; every word must occur on a page.

#include <QList>
#include <QString>
#include <QStringList>

// Text folded for comparison: lower case, each letter without its accents.
// One character stays one character, so positions in the folded text are
// positions in the original.
QString FoldForSearch(const QString &text);

// The search words of a query: separated by white space, folded.
QStringList SearchWords(const QString &query);

// The pages (file names, in the order of the contents) on which every word
// of the query occurs; none for an empty query.
QStringList SearchHelpPages(const QString &query);

struct SearchHit {
    qsizetype start;
    qsizetype length;
};

// Every occurrence of the (folded) words in text, in the order of the text.
QList<SearchHit> FindWordHits(const QString &text, const QStringList &words);
