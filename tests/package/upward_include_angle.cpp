// A file of the lowest layer that includes a higher layer's header by its
// path: it must not compile, as the higher layer's headers are not its to see.
#include <report/report.h>
