/* Removing the English articles 'a', 'an' and 'the' (whole words, any case)
 * from titles, and moving a leading article to the end ('Beatles, The'), for
 * sorting titles and names. */
#ifndef VIGIL_LIB_TEXT_ARTICLES_H
#define VIGIL_LIB_TEXT_ARTICLES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Drops leading and trailing articles from the view of the text (with the
 * spaces, ',' and '_' around them) and, when endsOnly is zero, replaces each
 * article inside the text by one space (by nothing next to a '-'), changing the
 * text in place. *outStart and *outLength receive the cleaned view (either may
 * be null); returns length minus the new length. */
UInt32 TextDeleteArticles(char *text, UInt32 length, SInt32 endsOnly, char **outStart, UInt32 *outLength);

/* In place: 'The Beatles, The' becomes 'Beatles'; an article alone stays. */
void StringRemoveArticles(char *string);
/* A new copy with the articles removed, from malloc (release with free).
 * Returns 0, -6728 when memory cannot be had, -6705 when outCopy is null. */
OSStatus StringRemoveArticlesCopy(const char *string, char **outCopy);

/* In place: 'The Beatles' becomes 'Beatles, The'. The string needs room for
 * strlen + 2 bytes: the result can be one byte longer. */
void StringRearrangeArticles(char *string);
/* A rearranged copy of strlen + 2 bytes from malloc; codes as above. */
OSStatus StringRearrangeArticlesCopy(const char *string, char **outCopy);

#ifdef __cplusplus
}
#endif

#endif
