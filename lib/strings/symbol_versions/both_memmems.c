/* One process, two memmems: this program, built against libvigil's header,
 * reaches libvigil's memmem (an empty needle is not found), while the shared
 * object built against the C library alone keeps the C library's (an empty
 * needle is found at the start). Exits 0 when both hold. */
#include <stdio.h>

#include "lib/strings/memory_search.h"
#include "lib/strings/symbol_versions/c_library_caller.h"

int main(void) {
  static const char hay[] = "haystack";
  int failures = 0;
  if (memmem(hay, 8, "", 0) != NULL) {
    fprintf(stderr, "the program did not reach libvigil's memmem\n");
    ++failures;
  }
  if (CLibraryMemmem(hay, 8, "", 0) != hay) {
    fprintf(stderr, "the C library's caller did not keep the C library's memmem\n");
    ++failures;
  }
  if (memmem(hay, 8, "stack", 5) != hay + 3 || CLibraryMemmem(hay, 8, "stack", 5) != hay + 3) {
    fprintf(stderr, "a plain search failed\n");
    ++failures;
  }
  if (failures == 0) printf("both memmems reached\n");
  return failures == 0 ? 0 : 1;
}
