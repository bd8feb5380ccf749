// As upward_include_angle.cpp, spelled with quotes.
#include "report/report.h"
