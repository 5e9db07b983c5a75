#include "HelpSearch.h"

#include <gtest/gtest.h>

TEST(HelpSearch, FoldingDropsCaseAndAccentsAndKeepsPositions)
{
    const QString text = "Úroveň SÍLY: Začátečník";
    const QString folded = FoldForSearch(text);
    EXPECT_EQ(folded, "uroven sily: zacatecnik");
    EXPECT_EQ(folded.size(), text.size());
    EXPECT_EQ(SearchWords("  Kdo   ZAČÍNÁ "), QStringList({"kdo", "zacina"}));
}

TEST(HelpSearch, FindsPagesWithEveryWordWithOrWithoutAccents)
{
    EXPECT_TRUE(SearchHelpPages("uroven").contains("urovne.html"));
    EXPECT_EQ(SearchHelpPages("Renju"), SearchHelpPages("renju"));
    EXPECT_TRUE(SearchHelpPages("renju board").contains("volby.html"));
    EXPECT_FALSE(SearchHelpPages("renju board").contains("engine.html"));
    EXPECT_TRUE(SearchHelpPages("").isEmpty());
    EXPECT_TRUE(SearchHelpPages("zzzqqq").isEmpty());
    // Markup is not text: no page "contains" its tags.
    EXPECT_TRUE(SearchHelpPages("href").isEmpty());
}

TEST(HelpSearch, HitsMarkEveryOccurrenceInTheOriginalText)
{
    const QList<SearchHit> hits = FindWordHits("Tah, TAH a táhnout", {"tah"});
    ASSERT_EQ(hits.size(), 3);
    EXPECT_EQ(hits[0].start, 0);
    EXPECT_EQ(hits[1].start, 5);
    EXPECT_EQ(hits[2].start, 11);
    EXPECT_EQ(hits[2].length, 3);
}
