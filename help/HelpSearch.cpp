#include "HelpSearch.h"

#include "HelpContexts.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace
{

// The plain text of each page, folded, read once.
const QString &FoldedPage(const QString &file)
{
    static QHash<QString, QString> pages;
    const QString path = HelpPageFolder() + file;
    auto found = pages.find(path);
    if (found == pages.end()) {
        QFile page(path);
        QString text;
        if (page.open(QIODevice::ReadOnly)) {
            QTextDocument document;
            document.setHtml(QString::fromUtf8(page.readAll()));
            text = FoldForSearch(document.toPlainText());
        }
        found = pages.insert(path, text);
    }
    return *found;
}

} // namespace

QString FoldForSearch(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
        folded.append(decomposed.isEmpty() ? c : decomposed.front().toLower());
    }
    return folded;
}

QStringList SearchWords(const QString &query)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return FoldForSearch(query).split(space, Qt::SkipEmptyParts);
}

QStringList SearchHelpPages(const QString &query)
{
    const QStringList words = SearchWords(query);
    QStringList hits;
    if (words.isEmpty())
        return hits;
    for (const HelpPage &page : HelpPages()) {
        const QString file = QString::fromLatin1(page.file);
        const QString &text = FoldedPage(file);
        const bool all = std::all_of(words.begin(), words.end(),
                                     [&](const QString &word) { return text.contains(word); });
        if (all)
            hits.append(file);
    }
    return hits;
}

QList<SearchHit> FindWordHits(const QString &text, const QStringList &words)
{
    const QString folded = FoldForSearch(text);
    QList<SearchHit> hits;
    for (const QString &word : words)
        for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1))
            hits.append({at, word.size()});
    std::sort(hits.begin(), hits.end(),
              [](const SearchHit &a, const SearchHit &b) { return a.start < b.start; });
    return hits;
}
