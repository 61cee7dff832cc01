#include "lib/text/obscenity.h"

#include <cstring>
#include <iterator>

#include "lib/text/text_search.h"

namespace {

// Searched in this order: the first word that occurs decides.
constexpr const char *kObscenitiesTable[] = {
    "anal", "ass",  "bastard", "bitch", "blowjob", "clit",    "cock", "cum",   "cunt", "dick", "dildo",
    "damn", "fag",  "fuck",    "hooker", "lesbian", "lick",   "nasty", "nig",  "nude", "orgasm", "orgy",
    "penis", "piss", "porn",   "puss",  "rape",    "sex",     "shit", "suck",  "whore", "xxx"};
constexpr std::size_t kObscenitiesTableSize = std::size(kObscenitiesTable);
static_assert(kObscenitiesTableSize == 32);

}  // namespace

extern "C" const char *TextContainsObscenities(const char *text, UInt32 length) {
  for (const char *word : kObscenitiesTable) {
    if (const char *found = TextSearch(text, length, word, static_cast<UInt32>(std::strlen(word)), 0)) {
      return found;
    }
  }
  return nullptr;
}
